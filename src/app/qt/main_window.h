#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/menu.h"
#include "app/qt/frame_images.h"
#include "app/qt/popup_menu.h"
#include "app/tool_bar.h"
#include "platform/qt/qt_port_info_source.h"

class QFrame;
class QSplitter;
class cmcGTex;
class cmcHost;
class cuiQtMenuSurface;
class cuiQtPageTree;
class cuiQtStatusBar;
class cuiQtToolBarSurface;
class cuiSheetPage;
class cuiHelpWindows;
class indMain;
class indProgram;

// The main window: the menu bar, the toolbar, the page tree and the sheet panel beside it
// behind a splitter, and the status bar, all filled from the overlay. It only shows and
// forwards: menus, toolbar and tree are the core builders over Qt views, and every decision is
// the controller's (Setup, the close question, the document commands).
class cuiQtMainWindow : public QMainWindow, public cuiFrame {
    Q_OBJECT
public:
    // host: the desktop the controller was made with (its boxes get this window as owner when it
    // is the Qt host).
    cuiQtMainWindow(indProgram& program, cmcHost& host);
    ~cuiQtMainWindow() override;

    // Runs the controller's Setup with the command line and opens the file it names, if any.
    // The window is shown first, as the maker caution of a switch needs it.
    void Start(const std::vector<std::string>& arguments);

    // cuiFrame
    std::unique_ptr<cuiPageTree> CreateTree() override;
    std::unique_ptr<cuiSheetView> CreateSheet(const datSheetOpening& opening) override;
    bool IsVisible() override { return isVisible(); }
    int32_t TreePanelWidth() override;
    void SetCaption(const std::string& caption) override;
    void RepaintStatusBar() override;
    void AddModePanel(const std::string& modeText) override;
    void ShowAbout() override;
    void ShowSheetDialog(const std::string& sheetKey, const std::string& caption) override;
    void OpenSelectionList(const clsCellCall& call, const std::string& sheetKey, int32_t label,
                           int32_t value) override;
    void OpenEntryDialog(const clsCellCall& call, const std::string& text, int32_t mode) override;
    void RunWindowCommand(clsHostCommand command, int32_t argument,
                          const std::string& text) override;

    // The parts, for the pages and the tests.
    cuiMenu& MainMenu() { return *m_menu; }
    cuiQtMenuSurface& MenuSurface() { return *m_menuSurface; }
    cuiToolBar& ToolBar() { return *m_toolBar; }
    cuiQtToolBarSurface& ToolBarSurface() { return *m_toolBarSurface; }
    cuiQtStatusBar& StatusBar() { return *m_statusBar; }
    QSplitter& Splitter() { return *m_splitter; }
    QWidget& SheetPanel();
    // The tree the controller holds now; none before Setup.
    cuiQtPageTree* PageTree();
    // The popup menu of the page in view: the page builds its items and sets its command.
    cuiQtPopupMenu& PagePopupMenu() { return *m_pagePopup; }
    const cuiQtFrameImages& Images() const { return m_images; }
    cuiHelpWindows& Help() { return *m_help; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenu();
    void BuildToolBar();
    void BuildPanels();
    void PlaceWindow();
    // The page in view; none while no page is open.
    cuiSheetPage* CurrentPage();

    indProgram& m_program;
    indMain& m_main;
    cmcGTex& m_store;
    cmcHost& m_host;
    cuiQtFrameImages m_images;
    std::unique_ptr<cuiQtMenuSurface> m_menuSurface;
    std::unique_ptr<cuiMenu> m_menu;
    cuiQtToolBarSurface* m_toolBarSurface = nullptr;
    std::unique_ptr<cuiToolBar> m_toolBar;
    QSplitter* m_splitter = nullptr;
    QFrame* m_treePanel = nullptr;
    QFrame* m_sheetPanel = nullptr;
    cuiQtStatusBar* m_statusBar = nullptr;
    std::unique_ptr<cuiQtPopupMenu> m_pagePopup;
    std::unique_ptr<cuiHelpWindows> m_help;
    cmcQtPortInfoSource m_portSource;
    bool m_closed = false;
};

// The smallest size the main window can be given.
constexpr int kMainWindowMinWidth = 400;
constexpr int kMainWindowMinHeight = 200;
