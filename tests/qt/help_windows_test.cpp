// The help on the screen: the context popup of a cell, its place and closing, the contents
// window with its history and search, and the messages of missing files and topics.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <string>

#include "engine/fake_engine_host.h"
#include "help/qt/help_browser.h"
#include "help/qt/help_contents_window.h"
#include "help/qt/help_popup.h"
#include "help/qt/help_windows.h"
#include "model/cell_engine.h"
#include "model/channel_record.h"
#include "overlay/cell_registry.h"
#include "overlay/gtex.h"
#include "support/scripted_host.h"
#include "support/test_paths.h"

namespace {

class HelpWindows : public testing::Test {
protected:
    HelpWindows() {
        m_gtex.SetSourceFile(BinPath("KTV818X.OVL").string());
        m_helpGTex.SetSourceFile(BinPath("KTV818XH.OVL").string());
        m_host.executablePath = BinPath("ktv818x").string();
        m_host.workArea = {0, 0, 1024, 768};
    }

    // The popup menu's help item on a cell, as the grid sends it to the engine; the engine hands
    // the command to the main window, which passes it on as it does.
    void AskHelpOnCell(int32_t category, int32_t label, QPoint cursor) {
        FakeEngineHost engineHost;
        datCh record(&engineHost.WorkingImage());
        clsCellCall call(engineHost, record);
        call.category = category;
        call.label = label;
        call.hasGrid = true;
        call.argument = CL_PMenu_Help;
        EvaluateCall(call);
        ASSERT_EQ(engineHost.commands.size(), 1u);
        ASSERT_EQ(engineHost.commands[0].command, clsHostCommand::ContextHelp);
        m_windows.ShowContextHelp(engineHost.commands[0].argument, cursor);
    }

    QString PopupTitle() { return m_windows.Popup()->Browser().documentTitle(); }

    QRect PopupGeometry() { return m_windows.Popup()->geometry(); }

    ScriptedHost m_host;
    cmcGTex m_gtex;
    cmcHelpGTex m_helpGTex;
    QWidget m_mainWindow;
    cuiHelpWindows m_windows{m_host, m_gtex, m_helpGTex, &m_mainWindow};
};

// Pixels of the pages' navy heading colour (links are a brighter blue): the page is drawn with
// its style sheet.
int HeadingPixels(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 30 && c.green() < 30 && c.blue() > 100 && c.blue() < 160) ++count;
        }
    }
    return count;
}

TEST_F(HelpWindows, HelpOnACellShowsThePageOfItsTopic) {
    struct Case {
        const char* page;
        int32_t category;
        const char* label;
        const char* topic;
        const char* title;
    };
    const Case cases[] = {
        {"International channels", CT_IntCh, "CL_ChList_Simp", "ch_mode.html",
         "Simplex and duplex"},
        {"Weather channels", CT_WxCh, "CL_WX_ChAtr", "wx_channels.html", "Weather channels"},
        {"Free channels", CT_FreeCh, "CL_Fch_FreqR", "free_frequency.html",
         "Free channel frequencies"},
        {"DSC individual IDs", CT_DscIndId, "CL_DscIndId_Id", "dsc_id_mmsi.html",
         "DSC individual IDs"},
        {"Waypoints", CT_Waypoint, "CL_Waypt_Lat", "waypoint_position.html", "Waypoint positions"},
        {"Configuration", CT_Null, "CL_ComConf_UtcOffset", "utc_offset.html", "Time zone"},
        {"Radio settings", CT_Null, "CL_RadioSet_ScanType", "scan.html", "Scan"},
        {"ATIS", CT_Null, "CL_ComAtis_AtisId", "atis.html", "ATIS"},
        {"Radio information", CT_Null, "CL_CloneInfo_Model", "clone_info.html",
         "Radio information"},
    };
    for (const Case& c : cases) {
        AskHelpOnCell(c.category, LabelOf(c.label), {500, 200});
        ASSERT_NE(m_windows.Popup(), nullptr) << c.page;
        EXPECT_TRUE(m_windows.Popup()->isVisible()) << c.page;
        EXPECT_EQ(m_windows.Popup()->Browser().source().fileName(), c.topic) << c.page;
        EXPECT_EQ(PopupTitle(), c.title) << c.page;
    }
    EXPECT_TRUE(m_host.messages.empty());
    EXPECT_GT(HeadingPixels(*m_windows.Popup()), 100);
}

TEST_F(HelpWindows, PopupIsAFramelessWindowPlacedAtTheCursorThatKeepsItsSize) {
    m_windows.ShowContextHelp(LabelOf("CL_ChList_Simp"), {500, 700});
    cuiHelpPopup* popup = m_windows.Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), "OrvaPopupWindow");
    EXPECT_TRUE(popup->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(popup->parentWidget(), &m_mainWindow);
    // 420 by 320 from the overlay, centred on the cursor and above it near the bottom.
    EXPECT_EQ(PopupGeometry(), QRect(290, 380, 420, 320));

    popup->resize(300, 200);  // the user's size stays for the next topic
    m_windows.ShowContextHelp(LabelOf("CL_ComConf_UtcOffset"), {0, 100});
    EXPECT_EQ(m_windows.Popup(), popup);
    EXPECT_EQ(PopupGeometry(), QRect(0, 100, 300, 200));
    EXPECT_EQ(PopupTitle(), "Time zone");
}

TEST_F(HelpWindows, PopupClosesOnEscapeAndOnAClickElsewhere) {
    m_mainWindow.resize(400, 300);
    m_mainWindow.show();
    m_windows.ShowContextHelp(LabelOf("CL_ChList_Simp"), {500, 200});
    cuiHelpPopup* popup = m_windows.Popup();
    ASSERT_TRUE(popup->isVisible());
    QTest::mouseClick(popup->Browser().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(popup->isVisible());
    QTest::keyClick(&m_mainWindow, Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());

    m_windows.ShowContextHelp(LabelOf("CL_ChList_Simp"), {500, 200});
    ASSERT_TRUE(popup->isVisible());
    QTest::mouseClick(&m_mainWindow, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(HelpWindows, UnknownTopicWarnsAndBringsThePreviousPopupBack) {
    m_windows.ShowContextHelp(LabelOf("CL_ChList_Simp"), {500, 200});
    const QRect shown = PopupGeometry();
    EXPECT_EQ(m_windows.ShowContextHelp(LabelOf("CL_CannotEdit"), {100, 600}),
              HelpResult::kTopicNotShown);
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_EQ(m_host.messages[0].caption, m_gtex.GetFirstLine("GI_Sys_AppTitle"));
    EXPECT_EQ(m_host.messages[0].text, m_gtex.GetLine("GI_Sys_HtmlHelp_Error", 1));
    EXPECT_EQ(m_host.messages[0].icon, cmcMessageIcon::Warning);
    EXPECT_TRUE(m_windows.Popup()->isVisible());
    EXPECT_EQ(PopupGeometry(), shown);
    EXPECT_EQ(PopupTitle(), "Simplex and duplex");
}

TEST_F(HelpWindows, MissingHelpFileIsNamedInAnErrorBox) {
    TempFolder empty;
    m_host.executablePath = (empty / "ktv818x").string();
    const std::string path = (empty / "help" / "index.html").string();
    const std::string text = "The help file '" + path + "' cannot be opened.";
    EXPECT_EQ(m_windows.ShowContents(), HelpResult::kFileNotShown);
    EXPECT_EQ(m_windows.ShowContextHelp(LabelOf("CL_ChList_Simp"), {500, 200}),
              HelpResult::kFileNotShown);
    ASSERT_EQ(m_host.messages.size(), 2u);
    for (const ScriptedHost::Message& message : m_host.messages) {
        EXPECT_EQ(message.text, text);
        EXPECT_EQ(message.icon, cmcMessageIcon::Error);
        EXPECT_EQ(message.caption, m_gtex.GetFirstLine("GI_Sys_AppTitle"));
    }
    EXPECT_EQ(m_windows.ContentsWindow(), nullptr);
    EXPECT_EQ(m_windows.Popup(), nullptr);
}

TEST_F(HelpWindows, ContentsOpenAtTheHelpFileWithHistoryAndOneWindow) {
    EXPECT_EQ(m_windows.ShowContents(), HelpResult::kShown);
    cuiHelpContentsWindow* contents = m_windows.ContentsWindow();
    ASSERT_NE(contents, nullptr);
    EXPECT_TRUE(contents->isVisible());
    EXPECT_EQ(contents->windowTitle().toStdString(),
              m_gtex.GetFirstLine("GI_Sys_HtmlHelp_Caption"));
    EXPECT_EQ(contents->Browser().source().fileName(), "index.html");
    EXPECT_FALSE(contents->BackButton().isEnabled());
    EXPECT_EQ(contents->BackButton().text().toStdString(),
              m_gtex.GetLine("GI_Sys_HtmlHelp_Buttons", 0));

    contents->Browser().setSource(QUrl("files.html"));
    EXPECT_EQ(contents->Browser().documentTitle(), "Clone files");
    ASSERT_TRUE(contents->BackButton().isEnabled());
    QTest::mouseClick(&contents->BackButton(), Qt::LeftButton);
    EXPECT_EQ(contents->Browser().source().fileName(), "index.html");
    QTest::mouseClick(&contents->ForwardButton(), Qt::LeftButton);
    EXPECT_EQ(contents->Browser().source().fileName(), "files.html");
    QTest::mouseClick(&contents->HomeButton(), Qt::LeftButton);
    EXPECT_EQ(contents->Browser().source().fileName(), "index.html");

    ASSERT_TRUE(QTest::qWaitForWindowActive(contents));
    QTest::keySequence(contents, QKeySequence::Find);
    EXPECT_TRUE(contents->SearchField().hasFocus());

    contents->hide();
    EXPECT_EQ(m_windows.ShowContents(), HelpResult::kShown);
    EXPECT_EQ(m_windows.ContentsWindow(), contents);
    EXPECT_TRUE(contents->isVisible());
    EXPECT_GT(HeadingPixels(*contents), 100);
}

TEST_F(HelpWindows, LinkInThePopupOpensTheContentsAtItsPage) {
    m_windows.ShowContextHelp(LabelOf("CL_ChList_Simp"), {500, 200});
    emit m_windows.Popup()->Browser().anchorClicked(QUrl("index.html"));
    EXPECT_FALSE(m_windows.Popup()->isVisible());
    ASSERT_NE(m_windows.ContentsWindow(), nullptr);
    EXPECT_TRUE(m_windows.ContentsWindow()->isVisible());
    EXPECT_EQ(m_windows.ContentsWindow()->Browser().source().fileName(), "index.html");

    m_windows.ShowContextHelp(LabelOf("CL_ChList_Simp"), {500, 200});
    emit m_windows.Popup()->Browser().anchorClicked(QUrl("files.html"));
    EXPECT_EQ(m_windows.ContentsWindow()->Browser().source().fileName(), "files.html");
    // Home is still the contents page.
    QTest::mouseClick(&m_windows.ContentsWindow()->HomeButton(), Qt::LeftButton);
    EXPECT_EQ(m_windows.ContentsWindow()->Browser().source().fileName(), "index.html");
}

TEST_F(HelpWindows, BrokenLinkShowsAPageThatSaysSo) {
    m_windows.ShowContents();
    cuiHelpBrowser& browser = m_windows.ContentsWindow()->Browser();
    browser.setSource(QUrl("no_such_page.html"));
    EXPECT_EQ(browser.documentTitle().toStdString(), m_gtex.GetLine("GI_Sys_HtmlHelp_NotFound", 0));
    EXPECT_TRUE(browser.toPlainText().contains("no_such_page.html"));
    EXPECT_GT(HeadingPixels(*m_windows.ContentsWindow()), 0);
}

TEST_F(HelpWindows, SearchFindsPagesByTheirText) {
    m_windows.ShowContents();
    cuiHelpContentsWindow& contents = *m_windows.ContentsWindow();
    QTest::keyClicks(&contents.SearchField(), "DUPLEX coast");
    QTest::keyClick(&contents.SearchField(), Qt::Key_Return);
    ASSERT_TRUE(contents.Results().isVisible());
    ASSERT_GE(contents.Results().count(), 1);
    EXPECT_EQ(contents.Results().item(0)->text(), "Simplex and duplex");
    EXPECT_EQ(contents.Browser().source().fileName(), "ch_mode.html");

    contents.Search("zzz-nowhere");
    ASSERT_EQ(contents.Results().count(), 1);
    EXPECT_EQ(contents.Results().item(0)->text().toStdString(),
              m_gtex.GetLine("GI_Sys_HtmlHelp_Search", 1));
    EXPECT_EQ(contents.Results().item(0)->flags(), Qt::NoItemFlags);
    EXPECT_EQ(contents.Browser().source().fileName(), "ch_mode.html");

    contents.Search("  ");
    EXPECT_FALSE(contents.Results().isVisible());
}

}  // namespace
