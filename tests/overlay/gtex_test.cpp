#include "overlay/gtex.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "overlay/memory_ovl_file.h"
#include "support/fatal_trap.h"
#include "support/test_paths.h"

namespace {

std::string GtexError(const std::string& key) {
    return "GTEX Error !\nThe index '" + key + "' was not found.";
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

const std::string kLongLine(10000, 'x');

// One overlay with every reading rule that matters, written with LF line ends.
const std::string kEdgeOverlay =
    "a line before any section\n"
    "#GI_Title\n"
    "Hello\n"
    "#GI_Blank \n"
    "key with a blank\n"
    "#GI_List\n"
    "zero\n"
    "one\n"
    "\n"
    "three\n"
    "#\n"
    "#GI_Dup\n"
    "first\n"
    "#GI_Empty\n"
    "#\n"
    "#GI_Message\n"
    "Line one\n"
    "Line two\n"
    "#\n"
    "#GI_Dup\n"
    "second\n"
    "#GI_Cr\n"
    "a\rb\n"
    "#GI_Long\n" +
    kLongLine +
    "\n"
    "tail\n"
    "#End_Of_Ovl\n"
    "#GI_After\n"
    "never\n";

struct LineCase {
    std::string key;
    int32_t index;
    std::string text;
};

const LineCase kLineCases[] = {
    {"GI_Title", 0, "Hello"},
    {"GI_Blank ", 0, "key with a blank"},  // the blank is part of the key
    {"GI_List", 0, "zero"},
    {"GI_List", 2, ""},  // a blank line is an empty text
    {"GI_List", 3, "three"},
    {"GI_List", 4, "#"},                     // "#" alone is no header: past the end it is returned
    {"GI_List", 5, "#GI_Dup"},               // and so are the headers that follow
    {"GI_Dup", 0, "first"},                  // the first of two sections with one key wins
    {"GI_Cr", 0, "a\rb"},                    // a CR without LF is an ordinary byte
    {"GI_Long", 0, std::string(8191, 'x')},  // a long line is read in pieces of 8191 bytes
    {"GI_Long", 1, std::string(10000 - 8191, 'x')},
    {"GI_Long", 2, "tail"},
    {"End_Of_Ovl", 0, "#GI_After"},  // the end marker is a section like any other
};

const std::string kFatalKeys[] = {
    "GI_Blank",  // without the blank of its header
    "GI_After",  // after the end marker
    "GI_Missing",
    "",  // "#" alone registers nothing
};

enum class LineEnd { Lf, CrLf };

class OvlStoreReading : public testing::TestWithParam<LineEnd> {
protected:
    OvlStoreReading()
        : m_text(GetParam() == LineEnd::Lf ? kEdgeOverlay : ReplaceAll(kEdgeOverlay, "\n", "\r\n")),
          m_store(MemoryOpener(m_text, m_count)) {
        m_store.SetSourceFile("KTV818X.OVL");
    }

    std::string m_text;
    OvlReadCount m_count;
    cmcGTex m_store;
};

TEST_P(OvlStoreReading, ReturnsTheLinesOfSections) {
    for (const LineCase& c : kLineCases) {
        EXPECT_EQ(m_store.GetLine(c.key, c.index), c.text) << c.key << " " << c.index;
    }
    EXPECT_EQ(m_store.GetFirstLine("GI_Title"), "Hello");
}

TEST_P(OvlStoreReading, MissingKeysAreFatal) {
    for (const std::string& key : kFatalKeys) {
        EXPECT_EQ(CatchFatal([&] { m_store.GetLine(key, 0); }), GtexError(key)) << key;
    }
    // Reading past the end of the input fails the lookup of the key it was made for.
    EXPECT_EQ(m_store.GetLine("End_Of_Ovl", 1), "never");
    EXPECT_EQ(CatchFatal([&] { m_store.GetLine("End_Of_Ovl", 2); }), GtexError("End_Of_Ovl"));
}

TEST_P(OvlStoreReading, ReadsAnyLineOrderTheSame) {
    // The per-section memo and the line cache are shortcuts only.
    const std::vector<std::string> list = {"zero", "one", "", "three", "#"};
    for (int32_t index : {3, 1, 0, 4, 2, 2, 3, 0, 1}) {
        EXPECT_EQ(m_store.GetLine("GI_List", index), list[index]) << index;
    }
    for (int32_t index : {2, 0, 1, 2}) {
        EXPECT_EQ(m_store.GetLine("GI_Long", index), kLineCases[9 + index].text) << index;
    }
}

TEST_P(OvlStoreReading, JoinsMultiLineTexts) {
    EXPECT_EQ(GetMultiLineText(m_store, "GI_Message"), "Line one\nLine two");
    EXPECT_EQ(GetMultiLineText(m_store, "GI_List"), "zero\none\n\nthree");
    EXPECT_EQ(GetMultiLineText(m_store, "GI_Empty"), "");
}

INSTANTIATE_TEST_SUITE_P(LineEnds, OvlStoreReading, testing::Values(LineEnd::Lf, LineEnd::CrLf));

TEST(OvlStoreFile, ReadsAFileWithCrLfLineEnds) {
    TempFolder folder;
    const auto path = folder / "KTV818X.OVL";
    std::ofstream(path, std::ios::binary) << ReplaceAll(kEdgeOverlay, "\n", "\r\n");
    cmcGTex store;
    ASSERT_TRUE(store.SetSourceFile(path.string()));
    for (const LineCase& c : kLineCases) {
        EXPECT_EQ(store.GetLine(c.key, c.index), c.text) << c.key << " " << c.index;
    }
}

TEST(OvlStoreFile, AStoreThatCannotOpenHoldsNoSections) {
    TempFolder folder;
    cmcGTex missingFile;
    missingFile.SetSourceFile((folder / "absent.OVL").string());
    EXPECT_EQ(CatchFatal([&] { missingFile.GetLine("GI_Sys_AppTitle", 0); }),
              GtexError("GI_Sys_AppTitle"));
    cmcGTex noSource;
    EXPECT_EQ(CatchFatal([&] { noSource.GetFirstLine("GI_Sys_AppTitle"); }),
              GtexError("GI_Sys_AppTitle"));
    cmcGTex emptyName;
    emptyName.SetSourceFile("");
    EXPECT_EQ(CatchFatal([&] { emptyName.GetFirstLine("GI_X"); }), GtexError("GI_X"));
}

TEST(OvlStoreSource, IsGivenOnlyOnce) {
    const std::vector<std::string> lines = {"#End_Of_Ovl"};
    cmcGTex store;
    EXPECT_TRUE(store.SetSourceLines(lines));
    EXPECT_FALSE(store.SetSourceFile("KTV818X.OVL"));
    EXPECT_FALSE(store.SetSourceLines(lines));
    cmcHelpGTex help;
    EXPECT_TRUE(help.SetSourceFile("KTV818XH.OVL"));
    EXPECT_FALSE(help.SetSourceFile("other.OVL"));
    EXPECT_FALSE(help.SetSourceLines(lines));
}

TEST(OvlStoreLines, ReadsAListOfLinesLikeAFile) {
    std::vector<std::string> lines;
    const std::string lfText = ReplaceAll(kEdgeOverlay, kLongLine + "\n", "");
    for (size_t start = 0, end; (end = lfText.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(lfText.substr(start, end - start));
    lines.push_back(std::string(9000, 'y'));  // after the end marker: never scanned
    cmcGTex store;
    store.SetSourceLines(lines);
    for (const LineCase& c : kLineCases) {
        if (c.key == "GI_Long") continue;
        EXPECT_EQ(store.GetLine(c.key, c.index), c.text) << c.key << " " << c.index;
    }
    EXPECT_EQ(store.GetLine("GI_Long", 0), "tail");
    for (const std::string& key : kFatalKeys) {
        EXPECT_EQ(CatchFatal([&] { store.GetLine(key, 0); }), GtexError(key)) << key;
    }
    // Unlike a file line, an over-long list line is cut, and its rest is no further line.
    EXPECT_EQ(store.GetLine("End_Of_Ovl", 2), std::string(8191, 'y'));
    EXPECT_EQ(CatchFatal([&] { store.GetLine("End_Of_Ovl", 3); }), GtexError("End_Of_Ovl"));
}

TEST(OvlStoreLines, TheEndOfAListWithoutEndMarkerEndsTheInput) {
    const std::vector<std::string> lines = {"#GI_A", "a"};
    cmcGTex store;
    store.SetSourceLines(lines);
    EXPECT_EQ(CatchFatal([&] { store.GetFirstLine("GI_B"); }), GtexError("GI_B"));
    EXPECT_EQ(store.GetFirstLine("GI_A"), "a");
}

TEST(OvlStoreHelp, ReadsByTheSameRules) {
    std::string text = ReplaceAll(kEdgeOverlay, "\n", "\r\n");
    OvlReadCount count;
    cmcHelpGTex help(MemoryOpener(text, count));
    help.SetSourceFile("KTV818XH.OVL");
    for (const LineCase& c : kLineCases) {
        EXPECT_EQ(help.GetLine(c.key, c.index), c.text) << c.key << " " << c.index;
    }
    EXPECT_EQ(CatchFatal([&] { help.GetLine("GI_After", 0); }), GtexError("GI_After"));
}

// An overlay of count sections "GI_Key<n>", each with lines lines of some 40 bytes.
std::string GeneratedOverlay(int count, int lines) {
    std::string text;
    for (int n = 0; n < count; ++n) {
        text += "#GI_Key" + std::to_string(n) + "\n";
        for (int i = 0; i < lines; ++i)
            text += "Section " + std::to_string(n) + " line " + std::to_string(i) + " text.....\n";
        text += "#\n";
    }
    return text + "#End_Of_Ovl\n";
}

std::string GeneratedLine(int section, int line) {
    return "Section " + std::to_string(section) + " line " + std::to_string(line) + " text.....";
}

TEST(OvlStoreLaziness, ReadsTheFileOnlyAsFarAsALookupNeeds) {
    const std::string text = GeneratedOverlay(2000, 10);  // about 0.9 MB
    OvlReadCount count;
    cmcGTex store(MemoryOpener(text, count));
    store.SetSourceFile("KTV818X.OVL");
    EXPECT_EQ(store.GetLine("GI_Key2", 9), GeneratedLine(2, 9));
    // Reads go by blocks of 4 KiB: nothing beyond the block that holds the line asked for.
    const uint64_t lineEnd = text.find("#\n#GI_Key3\n");
    EXPECT_LE(count.furthest, lineEnd + 4096);
    EXPECT_LE(count.bytes, count.furthest);

    // The last key needs the whole file, read once.
    EXPECT_EQ(store.GetFirstLine("GI_Key1999"), GeneratedLine(1999, 0));
    EXPECT_LE(count.bytes, text.size() + 4096);
    // A key that is not there reads nothing more: the end marker has been seen.
    const uint64_t before = count.bytes;
    EXPECT_TRUE(CatchFatal([&] { store.GetFirstLine("GI_Key2000"); }));
    EXPECT_EQ(count.bytes, before);
}

TEST(OvlStoreLaziness, ReadsEachLineOnceAndServesReReadsFromTheCache) {
    const std::string text = GeneratedOverlay(50, 60);
    OvlReadCount count;
    cmcGTex store(MemoryOpener(text, count));
    store.SetSourceFile("KTV818X.OVL");
    store.GetFirstLine("GI_Key49");
    const uint64_t afterScan = count.bytes;

    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(store.GetLine("GI_Key20", i), GeneratedLine(20, i));
    const uint64_t sectionBytes = text.find("#GI_Key21") - text.find("#GI_Key20");
    EXPECT_LE(count.bytes - afterScan, sectionBytes + 4096);

    // 60 lines fit in the 64-line cache: reading them again reads nothing.
    const uint64_t afterFirstPass = count.bytes;
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(store.GetLine("GI_Key20", i), GeneratedLine(20, i));
    EXPECT_EQ(count.bytes, afterFirstPass);
}

TEST(OvlStoreSections, AnyLookupOrderFindsTheFirstSectionOfEachKey) {
    // Thirty sections and a second "GI_Key5" at the end; keys found beyond the eleventh place of
    // the section list move to its front.
    std::string text = GeneratedOverlay(30, 2);
    text.insert(text.find("#End_Of_Ovl"), "#GI_Key5\nduplicate\n");
    OvlReadCount count;
    cmcGTex store(MemoryOpener(text, count));
    store.SetSourceFile("KTV818X.OVL");
    for (int round = 0; round < 2; ++round) {
        for (int n : {29, 25, 5, 29, 12, 0, 28, 5, 11, 13, 1, 25}) {
            EXPECT_EQ(store.GetLine("GI_Key" + std::to_string(n), 1), GeneratedLine(n, 1)) << n;
        }
    }
    // Beyond the 64-line cache every line still reads right.
    const std::string big = GeneratedOverlay(3, 100);
    cmcGTex bigStore(MemoryOpener(big, count));
    bigStore.SetSourceFile("KTV818X.OVL");
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(bigStore.GetLine("GI_Key1", i), GeneratedLine(1, i));
    }
}

}  // namespace
