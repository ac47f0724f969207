#include "app/qt/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/command_line.h"
#include "app/environ.h"
#include "app/program.h"
#include "app/qt/about_box.h"
#include "app/qt/frame_look.h"
#include "app/qt/menu_surface.h"
#include "app/qt/page_tree.h"
#include "app/qt/status_bar.h"
#include "app/qt/tool_bar_surface.h"
#include "app/radio_controller.h"
#include "clone/qt/port_dialog.h"
#include "dialogs/qt/cell_host.h"
#include "dialogs/qt/f_lector.h"
#include "dialogs/qt/f_text_gps.h"
#include "dialogs/qt/sheet_dialog.h"
#include "help/qt/help_windows.h"
#include "model/cell_call.h"
#include "overlay/cell_obj.h"
#include "overlay/gtex.h"
#include "platform/path_parts.h"
#include "platform/qt/qt_text.h"
#include "sheets/qt/sheet_page.h"
#include "sheets/radio_sheet.h"
#include "sheets/sheet_services.h"

namespace {

constexpr const char* kMenuKey = "GI_Menu_Main";
constexpr const char* kToolBarKey = "GI_ToolBar_Main";
constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";
constexpr const char* kFormCellKey = "GI_Form_Main_BasicCell";
// The splitter between the tree and the page.
constexpr int kSplitterWidth = 3;
constexpr int kMinPanelWidth = 8;
// The panels' sunken edge.
constexpr int kPanelBevel = 2;

QFrame* MakePanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setLineWidth(kPanelBevel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return panel;
}

}  // namespace

cuiQtMainWindow::cuiQtMainWindow(indProgram& program, cmcHost& host)
    : m_program(program),
      m_main(program.Main()),
      m_store(program.GTex()),
      m_host(host),
      m_images(FromCorePath(FolderOf(host.ExecutablePath()))) {
    const QString title = FromCoreText(m_store.GetFirstLine(kAppTitleKey));
    setWindowTitle(title);
    setWindowIcon(m_images.ApplicationIcon());
    clsSheetVariables variables{};
    cmcCellObj look;
    look.ParseCell(m_store.GetFirstLine(kFormCellKey), &variables, nullptr);
    if (look.GetFont()) setFont(FromCoreFont(*look.GetFont(), font()));
    setMinimumSize(kMainWindowMinWidth, kMainWindowMinHeight);
    setAcceptDrops(true);

    // The page popup's items, and the same items in the Edit menu, are the page's commands.
    m_pagePopup =
        std::make_unique<cuiQtPopupMenu>(m_store, program.Events(), this, [this](int32_t label) {
            if (cuiSheetPage* page = CurrentPage()) page->Sheet().PopupCommand(label);
        });
    m_help = std::make_unique<cuiHelpWindows>(host, m_store, program.HelpGTex(), this);
    BuildMenu();
    BuildPanels();
    PlaceWindow();
}

cuiQtMainWindow::~cuiQtMainWindow() {
    // The page is the controller's, and its sheet removes its items from the popup menu: it goes
    // while the popup menu and the panel that shows it are still here.
    m_main.CloseSheet();
}

void cuiQtMainWindow::BuildMenu() {
    m_menuSurface = std::make_unique<cuiQtMenuSurface>(
        menuBar(), &m_images, [this](int32_t item) { m_menu->Click(item); });
    m_menu = std::make_unique<cuiMenu>(m_store, m_program.Events(), kMenuKey, *m_menuSurface);
    // The Edit menu's items of the page in view are the page's popup commands.
    m_menu->SetHandler(kMenuHandlerSheet,
                       [this](const cmcCellObj& cell) { m_pagePopup->Command(cell.GetLabel()); });
    m_menu->Build();
}

void cuiQtMainWindow::BuildToolBar() {
    m_toolBarSurface =
        new cuiQtToolBarSurface(m_images, [this](int32_t button) { m_toolBar->Click(button); });
    m_toolBar =
        std::make_unique<cuiToolBar>(m_store, m_program.Events(), kToolBarKey, *m_toolBarSurface);
    m_toolBar->Build();
    m_toolBarSurface->setVisible(m_program.Environ().Settings().toolbarVisible != 0);
}

void cuiQtMainWindow::BuildPanels() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolBar();
    m_toolBarSurface->setParent(central);
    layout->addWidget(m_toolBarSurface);

    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_splitter->setHandleWidth(kSplitterWidth);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setOpaqueResize(true);
    m_treePanel = MakePanel(m_splitter);
    m_treePanel->setMinimumWidth(kMinPanelWidth);
    m_sheetPanel = MakePanel(m_splitter);
    m_sheetPanel->setMinimumWidth(kMinPanelWidth);
    m_splitter->addWidget(m_treePanel);
    m_splitter->addWidget(m_sheetPanel);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    layout->addWidget(m_splitter, 1);

    m_statusBar = new cuiQtStatusBar(
        m_main, [this] { return m_main.ModeText(); }, central);
    layout->addWidget(m_statusBar);
    setCentralWidget(central);
}

void cuiQtMainWindow::PlaceWindow() {
    const cmcRect rect = m_main.InitialWindowRect();
    const int width = std::max(rect.right - rect.left, kMainWindowMinWidth);
    const int height = std::max(rect.bottom - rect.top, kMainWindowMinHeight);
    setGeometry(rect.left, rect.top, width, height);
    const int treeWidth = std::max(m_program.Environ().Settings().splitterV, kMinPanelWidth);
    m_splitter->setSizes({treeWidth, std::max(width - treeWidth, kMinPanelWidth)});
}

void cuiQtMainWindow::Start(const std::vector<std::string>& arguments) {
    const datWindowCommandLine line = ParseWindowCommandLine(arguments);
    show();
    m_main.Setup(this, line.setupArguments);
    if (!line.file.empty() && m_main.OpenPath(line.file)) m_menu->Refresh();
}

std::unique_ptr<cuiPageTree> cuiQtMainWindow::CreateTree() {
    auto tree = std::make_unique<cuiQtPageTree>(m_store, m_program.Events(), m_images, m_treePanel,
                                                [this] { return m_main.CurrentSheetName(); });
    return tree;
}

cuiQtPageTree* cuiQtMainWindow::PageTree() {
    // Every tree the controller holds was made by CreateTree.
    return static_cast<cuiQtPageTree*>(m_main.Tree());
}

std::unique_ptr<cuiSheetView> cuiQtMainWindow::CreateSheet(const datSheetOpening& opening) {
    clsSheetServices services;
    services.events = &m_program.Events();
    services.settings = &m_program.Environ().Settings();
    services.columnWidths = &m_program.Environ();
    services.timers = &m_program.Timers();
    services.popupMenus = m_pagePopup.get();
    datSheetPageSetup setup{m_store,
                            services,
                            RadioSheetState(m_main),
                            nullptr,
                            [this](const QPoint& at) { m_pagePopup->Popup(at); },
                            false};
    std::unique_ptr<cuiSheetView> page = CreateSheetPage(m_sheetPanel, opening, setup);
    m_sheetPanel->layout()->addWidget(static_cast<cuiSheetPage*>(page.get()));
    return page;
}

cuiSheetPage* cuiQtMainWindow::CurrentPage() {
    // Every page the controller holds was made by CreateSheet.
    return static_cast<cuiSheetPage*>(m_main.CurrentSheet());
}

QWidget& cuiQtMainWindow::SheetPanel() {
    return *m_sheetPanel;
}

int32_t cuiQtMainWindow::TreePanelWidth() {
    return m_treePanel->width();
}

void cuiQtMainWindow::SetCaption(const std::string& caption) {
    // The caption names the file first; the desktop's mark of unsaved changes goes after it.
    QString text = FromCoreText(caption);
    const qsizetype separator = text.indexOf(QStringLiteral(" - "));
    text.insert(separator < 0 ? text.size() : separator, QStringLiteral("[*]"));
    setWindowTitle(text);
    setWindowModified(m_main.IsModified());
}

void cuiQtMainWindow::RepaintStatusBar() {
    m_statusBar->setAccessibleName(FromCoreText(m_main.MessageText()));
    m_statusBar->update();
}

void cuiQtMainWindow::AddModePanel(const std::string& modeText) {
    m_statusBar->AddModePanel(modeText);
}

void cuiQtMainWindow::ShowAbout() {
    auto* box = new cuiQtAboutBox(m_store, m_images.ApplicationIcon(), this, m_host,
                                  [this](char c) { m_main.OnAboutKey(c); });
    box->show();
}

void cuiQtMainWindow::ShowSheetDialog(const std::string& sheetKey, const std::string& caption) {
    cuiSheetDialog::Open(this, caption, sheetKey, RadioSheetState(m_main),
                         {&m_store, &m_program.Events(), &m_program.Timers()});
}

void cuiQtMainWindow::OpenSelectionList(const clsCellCall& call, const std::string& sheetKey,
                                        int32_t label, int32_t value) {
    if (call.capsule == nullptr) return;
    cuiFlector::Open(*call.capsule, CellHostOf(*call.capsule), sheetKey, label, value,
                     {&m_store, &m_program.Events(), &m_program.Timers()});
}

void cuiQtMainWindow::OpenEntryDialog(const clsCellCall& call, const std::string& text,
                                      int32_t mode) {
    if (call.capsule == nullptr) return;
    cuiFTextGps::Open(*call.capsule, text, mode, CellHostOf(*call.capsule),
                      {&m_store, &m_program.Events()});
}

void cuiQtMainWindow::RunWindowCommand(clsHostCommand command, int32_t argument,
                                       const std::string&) {
    switch (command) {
        case clsHostCommand::Exit:
            // The window closes once the menu click that asked for it is over.
            QTimer::singleShot(0, this, &QWidget::close);
            break;
        case clsHostCommand::ShowToolbar:
            m_toolBarSurface->setVisible(argument != 0);
            break;
        case clsHostCommand::HelpContents:
            m_help->ShowContents();
            break;
        case clsHostCommand::ContextHelp:
            m_help->ShowContextHelp(argument);
            break;
        case clsHostCommand::PortDialog:
            if (ShowPortDialog(this, argument, m_store, m_main.Settings(), m_portSource)) {
                // The status bar, the port menu and the toolbar follow the new port.
                m_program.Events().Send(cmcEvCode::SettingsChanged, 0, 0);
            }
            break;
        default:
            // Printing comes with its own windows.
            break;
    }
}

void cuiQtMainWindow::closeEvent(QCloseEvent* event) {
    if (m_closed) {
        event->accept();
        return;
    }
    if (!m_main.QueryClose()) {
        event->ignore();
        return;
    }
    m_main.OnClose();
    m_closed = true;
    event->accept();
}

void cuiQtMainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) event->acceptProposedAction();
}

void cuiQtMainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    const std::string path = ToCorePath(QDir::toNativeSeparators(urls.front().toLocalFile()));
    // The open asks its questions in boxes of its own: it runs once the drop is over.
    QTimer::singleShot(0, this, [this, path] {
        if (m_main.OpenPath(path)) m_menu->Refresh();
    });
}
