// The help object drives a viewer: the contents, and the context popup with its place, its reuse
// and the messages of a missing file or topic.

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "help/help.h"
#include "help/help_viewer.h"
#include "overlay/cell_registry.h"
#include "overlay/gtex.h"
#include "support/scripted_host.h"
#include "support/test_paths.h"

namespace {

const std::vector<std::string> kOverlay = {
    "#GI_Sys_AppTitle",
    "Title",
    "#",
    "#GI_Sys_MyHelpFile",
    "help/index.html",
    "#",
    "#GI_Sys_HtmlHelp_Popup_Width",
    "400",
    "#",
    "#GI_Sys_HtmlHelp_Popup_Height",
    "300",
    "#",
    "#GI_Sys_HtmlHelp_Error",
    "No file '%s'.",
    "No topic.",
    "#",
    "#End_Of_Ovl",
};

const std::vector<std::string> kHelpOverlay = {
    "#GI_AppItem_Topic_ID",
    "CL_ChList_Simp\tmode.html",
    "#",
    "#GI_AppItem_Context_ID",
    "mode.html\t1010",
    "#",
    "#End_Of_Ovl",
};

// A viewer that shows what it is told and records it; the topics it has are the test's.
class FakeViewer : public cuiHelpViewer {
public:
    bool available = true;
    bool contentsShown = true;
    std::vector<int32_t> topics;  // the numbers it has a page for

    int32_t loads = 0;
    std::vector<std::string> contents;
    std::optional<cmcRect> popup;   // on the screen
    std::optional<cmcRect> hidden;  // hidden by the current request
    std::vector<cmcRect> types;
    std::vector<std::string> topicPaths;
    int32_t topic = 0;
    int32_t shownAgain = 0;

    bool Load() override {
        ++loads;
        return available;
    }
    bool ShowContents(const std::string& path) override {
        contents.push_back(path);
        return contentsShown;
    }
    std::optional<cmcRect> PopupRect() override { return popup; }
    void HidePopup() override {
        hidden = popup;
        popup.reset();
    }
    void DefinePopupType(const cmcRect& rect) override { types.push_back(rect); }
    bool ShowTopic(const std::string& path, int32_t number) override {
        topicPaths.push_back(path);
        if (std::find(topics.begin(), topics.end(), number) == topics.end()) return false;
        topic = number;
        return true;
    }
    void ShowPopupAt(const cmcRect& rect) override { popup = rect; }
    void ShowPopupAgain() override {
        ++shownAgain;
        popup = hidden;
    }
};

class Help : public testing::Test {
protected:
    void SetUp() override {
        m_gtex.SetSourceLines(kOverlay);
        m_helpGTex.SetSourceLines(kHelpOverlay);
        m_host.executablePath = (m_folder / "ktv818x").string();
        m_host.workArea = {0, 0, 1000, 700};
        m_viewer.topics = {1010};
    }

    void InstallHelpFile() {
        std::filesystem::create_directory(m_folder / "help");
        std::ofstream(m_folder / "help" / "index.html") << "<html></html>";
    }

    std::string HelpFile() { return (m_folder / "help" / "index.html").string(); }

    TempFolder m_folder;
    ScriptedHost m_host;
    cmcGTex m_gtex;
    cmcHelpGTex m_helpGTex;
    FakeViewer m_viewer;
};

TEST_F(Help, HelpFileLiesInTheProgramsFolder) {
    cuiHelp help(m_host, m_gtex, m_helpGTex, m_viewer);
    EXPECT_EQ(help.HelpFilePath(), HelpFile());
}

TEST_F(Help, ContentsAreShownOrTheFileIsNamed) {
    cuiHelp help(m_host, m_gtex, m_helpGTex, m_viewer);
    EXPECT_EQ(help.ShowContents(HelpFile()), HelpResult::kShown);
    EXPECT_EQ(m_viewer.contents, std::vector<std::string>{HelpFile()});
    EXPECT_TRUE(m_host.messages.empty());

    m_viewer.contentsShown = false;
    EXPECT_EQ(help.ShowContents(HelpFile()), HelpResult::kFileNotShown);
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_EQ(m_host.messages[0].caption, "Title");
    EXPECT_EQ(m_host.messages[0].text, "No file '" + HelpFile() + "'.");
    EXPECT_EQ(m_host.messages[0].icon, cmcMessageIcon::Error);
    EXPECT_EQ(m_host.messages[0].buttons, cmcMessageButtons::Ok);
}

TEST_F(Help, WithoutAViewerNothingIsShownAndEachRequestTriesAgain) {
    m_viewer.available = false;
    cuiHelp help(m_host, m_gtex, m_helpGTex, m_viewer);
    EXPECT_EQ(help.ShowContents(HelpFile()), HelpResult::kNoViewer);
    EXPECT_EQ(help.ShowContextHelp(HelpFile(), 1010, {100, 100}), HelpResult::kNoViewer);
    EXPECT_EQ(m_viewer.loads, 3);
    EXPECT_TRUE(m_viewer.contents.empty());
    EXPECT_TRUE(m_viewer.topicPaths.empty());
    EXPECT_TRUE(m_host.messages.empty());

    m_viewer.available = true;
    EXPECT_EQ(help.ShowContents(HelpFile()), HelpResult::kShown);
    EXPECT_EQ(help.ShowContents(HelpFile()), HelpResult::kShown);
    EXPECT_EQ(m_viewer.loads, 4);  // loaded once it is there
}

TEST_F(Help, ContextHelpOfALabelOpensItsTopicAtTheCursor) {
    InstallHelpFile();
    cuiHelp help(m_host, m_gtex, m_helpGTex, m_viewer);
    EXPECT_EQ(help.ShowContextHelpFor(LabelOf("CL_ChList_Simp"), {500, 100}), HelpResult::kShown);
    EXPECT_EQ(m_viewer.topicPaths, std::vector<std::string>{HelpFile()});
    EXPECT_EQ(m_viewer.topic, 1010);
    ASSERT_EQ(m_viewer.types.size(), 1u);
    EXPECT_EQ(m_viewer.types[0].left, 300);
    EXPECT_EQ(m_viewer.types[0].top, 100);
    EXPECT_EQ(m_viewer.types[0].right, 700);
    EXPECT_EQ(m_viewer.types[0].bottom, 400);
    ASSERT_TRUE(m_viewer.popup);
    EXPECT_EQ(m_viewer.popup->left, 300);
    EXPECT_EQ(m_viewer.popup->top, 100);
    EXPECT_TRUE(m_host.messages.empty());
}

TEST_F(Help, APopupOnTheScreenGivesItsSizeToTheNextAndIsPlacedForTheCursor) {
    InstallHelpFile();
    cuiHelp help(m_host, m_gtex, m_helpGTex, m_viewer);
    m_viewer.popup = cmcRect{10, 20, 10 + 200, 20 + 100};  // the user's resized popup
    EXPECT_EQ(help.ShowContextHelp(HelpFile(), 1010, {20, 650}), HelpResult::kShown);
    EXPECT_TRUE(m_viewer.types.empty());
    ASSERT_TRUE(m_viewer.popup);
    EXPECT_EQ(m_viewer.popup->left, 0);   // the left edge
    EXPECT_EQ(m_viewer.popup->top, 550);  // above the cursor near the bottom
    EXPECT_EQ(m_viewer.popup->right, 200);
    EXPECT_EQ(m_viewer.popup->bottom, 650);

    // Closed by the user, the popup still comes back in its last size.
    m_viewer.popup.reset();
    EXPECT_EQ(help.ShowContextHelp(HelpFile(), 1010, {500, 100}), HelpResult::kShown);
    EXPECT_EQ(m_viewer.types.size(), 1u);
    EXPECT_EQ(m_viewer.popup->left, 400);
    EXPECT_EQ(m_viewer.popup->right, 600);
}

TEST_F(Help, AnUnknownTopicWarnsAndBringsThePopupBack) {
    InstallHelpFile();
    cuiHelp help(m_host, m_gtex, m_helpGTex, m_viewer);
    EXPECT_EQ(help.ShowContextHelp(HelpFile(), 1010, {500, 100}), HelpResult::kShown);
    const cmcRect shown = *m_viewer.popup;

    EXPECT_EQ(help.ShowContextHelp(HelpFile(), 0, {800, 600}), HelpResult::kTopicNotShown);
    EXPECT_EQ(m_viewer.shownAgain, 1);
    ASSERT_TRUE(m_viewer.popup);
    EXPECT_EQ(m_viewer.popup->left, shown.left);
    EXPECT_EQ(m_viewer.popup->top, shown.top);
    EXPECT_EQ(m_viewer.topic, 1010);
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_EQ(m_host.messages[0].caption, "Title");
    EXPECT_EQ(m_host.messages[0].text, "No topic.");
    EXPECT_EQ(m_host.messages[0].icon, cmcMessageIcon::Warning);

    // Without a popup on the screen there is nothing to bring back.
    m_viewer.popup.reset();
    EXPECT_EQ(help.ShowContextHelpFor(LabelOf("CL_Fch_FreqR"), {800, 600}),
              HelpResult::kTopicNotShown);
    EXPECT_EQ(m_viewer.shownAgain, 1);
    EXPECT_FALSE(m_viewer.popup);
}

TEST_F(Help, AMissingHelpFileIsNamed) {
    cuiHelp help(m_host, m_gtex, m_helpGTex, m_viewer);
    m_viewer.topics.clear();  // a viewer finds no page without its file
    EXPECT_EQ(help.ShowContextHelpFor(LabelOf("CL_ChList_Simp"), {500, 100}),
              HelpResult::kFileNotShown);
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_EQ(m_host.messages[0].text, "No file '" + HelpFile() + "'.");
    EXPECT_EQ(m_host.messages[0].icon, cmcMessageIcon::Error);
    EXPECT_EQ(m_viewer.shownAgain, 0);
}

TEST(HelpResults, KeepTheViewersNumbers) {
    EXPECT_EQ(static_cast<int32_t>(HelpResult::kShown), 0);
    EXPECT_EQ(static_cast<int32_t>(HelpResult::kFileNotShown), 1);
    EXPECT_EQ(static_cast<int32_t>(HelpResult::kTopicNotShown), 2);
    EXPECT_EQ(static_cast<int32_t>(HelpResult::kNoViewer), 3);
}

}  // namespace
