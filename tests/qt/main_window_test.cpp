// The windowed program over the real overlay and initial files, a settings store in memory and a
// scripted desktop: the frame it builds, the commands its menus reach, the document questions,
// the About box with the access word, the modes' status panels and the window's place.
#include "app/qt/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <set>

#include "app/environ.h"
#include "app/program.h"
#include "app/qt/about_box.h"
#include "app/qt/page_tree.h"
#include "app/qt/status_bar.h"
#include "app/qt/tool_bar_surface.h"
#include "app/qt/window_program.h"
#include "app/radio_controller.h"
#include "base/event_manager.h"
#include "help/qt/help_contents_window.h"
#include "help/qt/help_popup.h"
#include "help/qt/help_windows.h"
#include "model/eeprom.h"
#include "overlay/gtex.h"
#include "platform/qt/qt_text.h"
#include "sheets/qt/qt_grid.h"
#include "sheets/qt/sheet_page.h"
#include "support/fake_instance_lock.h"
#include "support/memory_settings_store.h"
#include "support/qt/qt_events.h"
#include "support/qt/scripted_qt_host.h"
#include "support/test_paths.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { Start(); }
    void TearDown() override { m_program.reset(); }

    void Start(std::vector<std::string> arguments = {"ktv818x"}) {
        m_program = std::make_unique<cuiQtWindowProgram>(m_store, m_lock, m_host);
        m_program->Start(arguments);
    }
    cuiQtMainWindow& Window() { return *m_program->Window(); }
    indMain& Main() { return m_program->Program().Main(); }
    datSettings& Settings() { return m_program->Program().Environ().Settings(); }
    std::string Line(const std::string& key) {
        return m_program->Program().GTex().GetFirstLine(key);
    }

    // The menu bar's action reached by the captions on the way, "&" included.
    QAction* Action(const std::vector<QString>& path) {
        QList<QAction*> actions = Window().menuBar()->actions();
        QAction* found = nullptr;
        for (const QString& caption : path) {
            found = nullptr;
            for (QAction* action : actions) {
                if (action->text() == caption) found = action;
            }
            if (found == nullptr) return nullptr;
            if (found->menu() != nullptr) actions = found->menu()->actions();
        }
        return found;
    }
    void WaitForPage(const std::string& sheet) {
        EXPECT_TRUE(RunEventsUntil([&] { return Main().CurrentSheetName() == sheet; }))
            << "page in view: " << Main().CurrentSheetName();
    }
    cuiTree& Tree() { return Window().PageTree()->Tree(); }

    MemorySettingsStore m_store;
    std::set<std::string> m_heldNames;
    FakeInstanceLock m_lock{m_heldNames};
    ScriptedQtHost m_host;
    std::unique_ptr<cuiQtWindowProgram> m_program;
};

TEST_F(MainWindowTest, TheFrameComesFromTheOverlayAndTheFirstPageOpens) {
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(ToCoreText(Window().windowTitle()), "Untitled[*] - " + Line("GI_Sys_AppTitle"));
    QStringList menus;
    for (QAction* action : Window().menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus,
              (QStringList{"&File", "&Edit", "&View", "&Port", "&Clone", "&Model", "&Help"}));
    QAction* newItem = Action({"&File", "&New"});
    ASSERT_NE(newItem, nullptr);
    EXPECT_EQ(newItem->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_FALSE(newItem->icon().isNull());

    ASSERT_EQ(Window().ToolBarSurface().Rows().size(), 1u);
    EXPECT_EQ(Window().ToolBarSurface().ActionOf(0)->toolTip(), QStringLiteral("New document"));
    EXPECT_TRUE(Window().ToolBarSurface().ActionOf(4)->isChecked());  // COM1 by default

    // The first node names the model; the maker pages are not there.
    EXPECT_EQ(Tree().TextOf(Tree().Nodes()[0]),
              "KT-V818X" + m_program->Program().GTex().GetLine("GI_AppInd_Model", 0));
    EXPECT_EQ(Tree().FindBySheet("GI_Sheet_MakerAdj"), -1);
    EXPECT_EQ(Window().StatusBar().Panels().Panels().size(), 2u);
    WaitForPage("GI_Sheet_ComCom");
    EXPECT_GE(Window().minimumWidth(), kMainWindowMinWidth);
}

TEST_F(MainWindowTest, ClickingANodeOpensItsPageAndClickingItAgainKeepsIt) {
    WaitForPage("GI_Sheet_ComCom");
    cuiQtTreeView& view = Window().PageTree()->View();
    QTreeWidgetItem* item = view.ItemOf(Tree().FindBySheet("GI_Sheet_Waypoint"));
    ASSERT_NE(item, nullptr);
    const QRect place = view.visualItemRect(item);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, place.center());
    WaitForPage("GI_Sheet_Waypoint");
    auto* page = Window().SheetPanel().findChild<QLabel*>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->text(), QStringLiteral("Waypoints"));

    const cuiSheetView* open = Main().CurrentSheet();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, place.center());
    QTest::keyClick(&view, Qt::Key_Space);
    QTest::qWait(view.ChangeTimer().interval() + 100);
    EXPECT_EQ(Main().CurrentSheet(), open);
}

TEST_F(MainWindowTest, TheTreeIsReachedByTabAndTheMenusByAlt) {
    Window().activateWindow();
    Window().PageTree()->View().clearFocus();
    QTest::keyClick(&Window(), Qt::Key_Tab);
    EXPECT_TRUE(RunEventsUntil([&] { return Window().PageTree()->View().hasFocus(); }));
    for (QAction* action : Window().menuBar()->actions()) {
        EXPECT_TRUE(action->text().contains(QLatin1Char('&'))) << action->text().toStdString();
    }
}

TEST_F(MainWindowTest, ViewToolbarHidesTheToolbarAndStoresIt) {
    QAction* toolbar = Action({"&View", "&Toolbar"});
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(toolbar->isChecked());
    toolbar->trigger();
    EXPECT_FALSE(Window().ToolBarSurface().isVisible());
    EXPECT_EQ(Settings().toolbarVisible, 0);
    EXPECT_FALSE(toolbar->isChecked());
    toolbar->trigger();
    EXPECT_TRUE(Window().ToolBarSurface().isVisible());
}

TEST_F(MainWindowTest, HelpContentsOpensTheContentsWindow) {
    ASSERT_EQ(Window().Help().ContentsWindow(), nullptr);
    Action({"&Help", "&Contents"})->trigger();
    ASSERT_NE(Window().Help().ContentsWindow(), nullptr);
    EXPECT_TRUE(Window().Help().ContentsWindow()->isVisible());
}

TEST_F(MainWindowTest, F1OnACellShowsItsHelpAndInTheTreeTheContents) {
    WaitForPage("GI_Sheet_ComCom");
    auto* page = static_cast<cuiSheetPage*>(Main().CurrentSheet());
    Window().activateWindow();
    QApplication::setActiveWindow(&Window());
    page->FocusGrid();
    ASSERT_TRUE(RunEventsUntil([&] { return page->Grid().hasFocus(); }));
    QTest::keyClick(&page->Grid(), Qt::Key_F1);
    ASSERT_NE(Window().Help().Popup(), nullptr);
    EXPECT_TRUE(Window().Help().Popup()->isVisible());
    EXPECT_EQ(Window().Help().ContentsWindow(), nullptr);

    Window().PageTree()->View().setFocus();
    ASSERT_TRUE(RunEventsUntil([&] { return Window().PageTree()->View().hasFocus(); }));
    QTest::keyClick(&Window().PageTree()->View(), Qt::Key_F1);
    ASSERT_NE(Window().Help().ContentsWindow(), nullptr);
    EXPECT_TRUE(Window().Help().ContentsWindow()->isVisible());
}

TEST_F(MainWindowTest, NewAsksAboutChangesAndCancelKeepsThem) {
    Main().WorkingImage().SetByte(0x0EEB, 'Z');
    Main().IsModified();
    EXPECT_TRUE(Window().isWindowModified());

    m_host.answers = {cmcMessageAnswer::Cancel};
    Action({"&File", "&New"})->trigger();
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_EQ(m_host.messages[0].buttons, cmcMessageButtons::YesNoCancel);
    EXPECT_EQ(m_host.messages[0].caption, Line("GI_Sys_AppTitle"));
    EXPECT_EQ(Main().WorkingImage().GetByte(0x0EEB), 'Z');

    m_host.answers = {cmcMessageAnswer::No};
    Action({"&File", "&New"})->trigger();
    EXPECT_NE(Main().WorkingImage().GetByte(0x0EEB), 'Z');
    EXPECT_FALSE(Window().isWindowModified());
    EXPECT_EQ(ToCoreText(Window().windowTitle()).rfind("Untitled", 0), 0u);
}

TEST_F(MainWindowTest, SaveAsThenOpenShowTheFileInTheTitleAndTheRecentList) {
    const std::string path = (m_host.documents.path() / "Sea & Sky.icf").string();
    m_host.savePaths = {path};
    Action({"&File", "Save &As..."})->trigger();
    ASSERT_EQ(m_host.saveDialogs.size(), 1u);
    EXPECT_EQ(m_host.saveDialogs[0].defaultExtension, "icf");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(ToCoreText(Window().windowTitle()), "Sea & Sky.icf[*] - " + Line("GI_Sys_AppTitle"));

    Action({"&File", "&New"})->trigger();
    m_host.openPaths = {path};
    Action({"&File", "&Open..."})->trigger();
    EXPECT_EQ(Main().GetDocumentPath(), path);
    QAction* recent = Action({"&File", "&1 Sea && Sky.icf"});
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->isEnabled());
    EXPECT_TRUE(m_host.messages.empty());
}

TEST_F(MainWindowTest, ADroppedFileThatIsNoCloneFileChangesNothing) {
    const std::filesystem::path junk = m_host.documents / "notes.icf";
    std::ofstream(junk) << "shopping list\n";
    std::vector<uint8_t> before(kImageSize);
    Main().WorkingImage().ReadBlock(0, before.data(), kImageSize);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(FromCorePath(junk.string()))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&Window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&Window(), &drop);
    ASSERT_TRUE(RunEventsUntil([&] { return !m_host.messages.empty(); }));
    EXPECT_EQ(m_host.messages.front().icon, cmcMessageIcon::Warning);
    EXPECT_TRUE(Main().IsUntitled());
    std::vector<uint8_t> after(kImageSize);
    Main().WorkingImage().ReadBlock(0, after.data(), kImageSize);
    EXPECT_EQ(after, before);
}

TEST_F(MainWindowTest, AFileOnTheCommandLineIsOpened) {
    const std::string path = (m_host.documents.path() / "boat.icf").string();
    m_host.savePaths = {path};
    Main().SaveAsDocument();
    m_program.reset();
    Start({"ktv818x", path});
    EXPECT_EQ(Main().GetDocumentPath(), path);
    EXPECT_NE(Action({"&File", "&1 boat.icf"}), nullptr);
}

TEST_F(MainWindowTest, TheAboutBoxLaysOutFromItsIconAndTheAccessWordEntersMakerMode) {
    Action({"&Help", "&About KT-V818X Programmer..."})->trigger();
    cuiQtAboutBox* box = nullptr;
    ASSERT_TRUE(RunEventsUntil([&] {
        box = Window().findChild<cuiQtAboutBox*>();
        return box != nullptr && box->isVisible();
    }));
    EXPECT_EQ(ToCoreText(box->windowTitle()), Line("GI_App_About_Caption"));
    EXPECT_EQ(box->IconLabel()->geometry().topLeft(),
              QPoint(kAboutIconSize / 2, kAboutIconSize / 2));
    EXPECT_EQ(box->Label()->x(), kAboutIconSize / 2 + kAboutIconSize * 3 / 2);
    EXPECT_EQ(box->Button()->width(), kAboutIconSize * 5 / 2);
    EXPECT_EQ(box->Button()->x(), box->Label()->geometry().right() + 1 + 2 * kAboutIconSize);
    EXPECT_EQ(box->width(), box->Button()->geometry().right() + 1 + kAboutIconSize / 4);

    m_host.answers = {cmcMessageAnswer::Ok};
    QTest::keyClicks(box, QStringLiteral("oldTAMBLOR"));
    EXPECT_TRUE(Main().IsMakerMode());
    EXPECT_EQ(m_host.messages.size(), 1u);
    EXPECT_GE(Tree().FindBySheet("GI_Sheet_MakerAdj"), 0);
    EXPECT_EQ(Window().StatusBar().Panels().Panels().size(), 3u);
    box->Button()->click();
    EXPECT_TRUE(RunEventsUntil([&] { return Window().findChild<cuiQtAboutBox*>() == nullptr; }));

    Main().EnterConvertMode();
    cuiQtStatusBar& bar = Window().StatusBar();
    ASSERT_EQ(bar.Panels().Panels().size(), 4u);
    const QImage image = bar.grab().toImage();
    const QRect mode = bar.PanelRect(bar.Panels().DrawnModePanel());
    EXPECT_EQ(image.pixelColor(mode.left() + 2, mode.top() + 3), QColor(kModePanelColour));
    const QRect older = bar.PanelRect(1);
    EXPECT_NE(image.pixelColor(older.left() + 2, older.top() + 3), QColor(kModePanelColour));
}

TEST_F(MainWindowTest, MakerPagesStayAwayWithoutMakerModeAfterAModelChange) {
    m_host.answers = {cmcMessageAnswer::Ok};
    Action({"&Model", "Europe, Fixed Mount"})->trigger();
    EXPECT_EQ(Main().ModelType(), 1);
    EXPECT_EQ(Tree().FindBySheet("GI_Sheet_MakerAdj"), -1);
    EXPECT_TRUE(Action({"&Model", "Europe, Fixed Mount"})->isChecked());
}

TEST_F(MainWindowTest, GeometryIsStoredAtCloseAndRestoredAtTheNextStart) {
    Window().setGeometry(130, 90, 720, 480);
    Window().Splitter().setSizes({240, 480});
    const int treeWidth = Window().Splitter().sizes().front();
    ASSERT_TRUE(Window().close());
    EXPECT_EQ(Settings().width, 720);
    EXPECT_EQ(Settings().splitterV, treeWidth);
    m_program.reset();

    Start();
    EXPECT_EQ(Window().geometry(), QRect(130, 90, 720, 480));
    EXPECT_EQ(Window().Splitter().sizes().front(), treeWidth);
}

TEST_F(MainWindowTest, AWindowStoredFarOffTheScreenComesBack) {
    ASSERT_TRUE(Window().close());
    m_program.reset();
    m_store.Put(std::string(indEnviron::kRegistryRoot) + "\\Window Position", "Left", 9000);
    m_store.Put(std::string(indEnviron::kRegistryRoot) + "\\Window Position", "Top", -4000);
    Start();
    const cmcRect area = m_host.WorkArea();
    EXPECT_LE(Window().geometry().left(), area.right - 16);
    EXPECT_GE(Window().geometry().top(), area.top);
}

TEST(SecondInstanceTest, EndsAtOnceWithoutAWindowAndLeavesTheSettingsAlone) {
    TempFolder home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), FromCorePath(home.path().string()));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), FromCorePath((home / "config").string()));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), FromCorePath(home.path().string()));
    const QString program = FromCorePath(BinPath("ktv818x").string());

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    const std::filesystem::path settings = home / "config" / "Orva" / "KT-V818X.conf";
    // The first instance holds the lock once it runs its event loop.
    QTest::qWait(1500);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(program, {QStringLiteral("--tamblor")});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(settings));

    first.terminate();
    first.waitForFinished(5000);
}

}  // namespace
