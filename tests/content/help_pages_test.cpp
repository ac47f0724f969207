// Help on a cell goes from its label to a topic and from the topic to a context number, both
// through the help overlay; the topic is the name of a page in the folder of the help contents.
// A cell whose popup menu offers help must reach a page that exists, and the pages must reach
// each other and the contents.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "overlay/cell_registry.h"
#include "shipped_overlay.h"
#include "support/fatal_trap.h"
#include "support/test_paths.h"

namespace {

struct HelpLine {
    std::string key;
    std::string value;
};

class HelpPages : public testing::Test {
protected:
    // The tab-separated lines of a help overlay section up to the line "#".
    std::vector<HelpLine> HelpSection(const std::string& key) {
        std::vector<HelpLine> lines;
        for (int32_t i = 0;; ++i) {
            const std::string line = m_overlay.help.GetLine(key, i);
            if (line == "#" || (!line.empty() && line[0] == '#')) break;
            const size_t tab = line.find('\t');
            lines.push_back(
                {line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)});
        }
        return lines;
    }

    // The topic of a label: the first line that names it.
    std::string TopicOf(const std::string& label) {
        for (const HelpLine& line : m_topics) {
            if (line.key == label) return line.value;
        }
        return "";
    }

    // The context number of a topic: the last line that names it; 0 for none.
    int32_t ContextOf(const std::string& topic) {
        int32_t number = 0;
        for (const HelpLine& line : m_contexts) {
            if (line.key == topic) number = std::atoi(line.value.c_str());
        }
        return number;
    }

    bool PopupOffersHelp(const std::string& popupMenu) {
        for (const std::string& line : m_overlay.Lines(popupMenu + "_Body")) {
            if (line.find("%CL_PMenu_Help") != std::string::npos) return true;
        }
        return false;
    }

    // Every label of a page whose cell offers help through its popup menu, on whichever model
    // type its row is shown.
    std::set<std::string> HelpableLabels(const std::string& sheet) {
        clsSheetVariables variables{};
        cmcCellObj basic;
        basic.ParseCell(m_overlay.store.GetFirstLine(sheet + "_BasicCell"), &variables, nullptr);
        std::set<std::string> labels;
        for (const std::string& line : m_overlay.Lines(sheet + "_Cells")) {
            if (!line.empty() && line[0] == ':') continue;
            for (const cmcCellObj& cell : m_overlay.ParseRow(line, &basic, variables)) {
                if (cell.GetLabel() == CL_None || cell.GetLabel() == CL_Null) continue;
                if (!PopupOffersHelp(std::string(cell.GetPopupMenu()))) continue;
                labels.insert(std::string(LabelName(cell.GetLabel())));
            }
        }
        return labels;
    }

    std::filesystem::path HelpFolder() {
        return BinPath(m_overlay.store.GetFirstLine("GI_Sys_MyHelpFile")).parent_path();
    }

    clsShippedOverlay m_overlay;
    std::vector<HelpLine> m_topics = HelpSection("GI_AppItem_Topic_ID");
    std::vector<HelpLine> m_contexts = HelpSection("GI_AppItem_Context_ID");
};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Links(const std::string& page) {
    static const std::regex kHref("href=\"([^\"#]+)");
    std::vector<std::string> links;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), kHref);
         it != std::sregex_iterator(); ++it) {
        links.push_back((*it)[1]);
    }
    return links;
}

TEST_F(HelpPages, EveryCellThatOffersHelpReachesAPage) {
    std::vector<std::string> sheets = m_overlay.TreeSheets();
    sheets.push_back("GI_Sheet_CloneInfo");
    int labels = 0;
    for (const std::string& sheet : sheets) {
        for (const std::string& label : HelpableLabels(sheet)) {
            const std::string topic = TopicOf(label);
            EXPECT_FALSE(topic.empty()) << sheet << ": " << label << " has no topic";
            EXPECT_GT(ContextOf(topic), 0) << label << ": topic " << topic << " has no number";
            EXPECT_TRUE(std::filesystem::is_regular_file(HelpFolder() / topic))
                << label << ": no page " << topic;
            ++labels;
        }
    }
    EXPECT_GT(labels, 150);
}

// The viewer finds the page of a context number by the one topic that has it, and every label
// the help overlay names is a label of the program.
TEST_F(HelpPages, TopicsAndNumbersAreUnambiguous) {
    std::map<int32_t, std::string> topicOfNumber;
    for (const HelpLine& line : m_contexts) {
        const int32_t number = std::atoi(line.value.c_str());
        EXPECT_GT(number, 0) << line.key;
        const auto [at, added] = topicOfNumber.emplace(number, line.key);
        EXPECT_TRUE(added || at->second == line.key)
            << number << " serves " << at->second << " and " << line.key;
        EXPECT_TRUE(std::filesystem::is_regular_file(HelpFolder() / line.key)) << line.key;
    }
    std::set<std::string> named;
    for (const HelpLine& line : m_topics) {
        EXPECT_TRUE(named.insert(line.key).second) << line.key << " named twice";
        EXPECT_FALSE(CatchFatal([&] { LabelOf(line.key); })) << line.key << " is no label";
        EXPECT_GT(ContextOf(line.value), 0) << line.key << ": topic " << line.value;
    }
}

// From the contents every page can be reached, and no page links to a page that is missing.
TEST_F(HelpPages, ContentsReachEveryPageAndLinksResolve) {
    const std::filesystem::path contents =
        BinPath(m_overlay.store.GetFirstLine("GI_Sys_MyHelpFile"));
    ASSERT_TRUE(std::filesystem::is_regular_file(contents)) << contents;
    std::set<std::string> linkedFromContents;
    for (const std::string& link : Links(ReadFile(contents)))
        linkedFromContents.insert(link);
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(HelpFolder())) {
        if (entry.path().extension() != ".html") continue;
        ++pages;
        const std::string name = entry.path().filename().string();
        if (entry.path() != contents) {
            EXPECT_TRUE(linkedFromContents.count(name)) << name << " is not in the contents";
        }
        for (const std::string& link : Links(ReadFile(entry.path()))) {
            EXPECT_TRUE(std::filesystem::exists(HelpFolder() / link)) << name << " -> " << link;
        }
    }
    EXPECT_EQ(pages, static_cast<int>(m_contexts.size()));
}

}  // namespace
