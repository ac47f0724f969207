#include "support/qt/page_rig.h"

#include <QApplication>
#include <QVBoxLayout>

#include "app/main_controller.h"
#include "sheets/qt/qt_grid.h"

QPalette clsTestPalette::Light() {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 200));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    palette.setColor(QPalette::Button, QColor(240, 240, 240));
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    return palette;
}

QPalette clsTestPalette::Dark() {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Base, QColor(30, 30, 30));
    palette.setColor(QPalette::Text, QColor(230, 230, 230));
    palette.setColor(QPalette::Highlight, QColor(40, 90, 200));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    palette.setColor(QPalette::Button, QColor(50, 50, 50));
    palette.setColor(QPalette::Window, QColor(45, 45, 45));
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    return palette;
}

PageRig::PageRig() {
    rig.Main().Setup(nullptr, {"ktv818x"});
    window.setPalette(clsTestPalette::Light());
    new QVBoxLayout(&window);
    window.layout()->setContentsMargins(0, 0, 0, 0);
}

PageRig::~PageRig() {
    m_page.reset();
}

cuiSheetPage& PageRig::Open(const std::string& name, int width, int height,
                            const std::optional<datGridPlace>& place) {
    m_page.reset();
    window.resize(width, height);
    window.show();
    clsSheetServices services;
    services.events = &rig.Events();
    services.settings = &rig.Environ().Settings();
    services.columnWidths = &rig.Environ();
    services.timers = &scheduler;
    services.popupMenus = &popups;
    datSheetPageSetup setup{rig.GTex(), services, RadioSheetState(rig.Main()),
                            images,     nullptr,  false};
    setup.showPopupMenu = [this](const QPoint& at) { popupsShown.push_back(at); };
    datSheetOpening opening;
    opening.name = name;
    opening.place = place;
    auto view = CreateSheetPage(&window, opening, setup);
    m_page.reset(static_cast<cuiSheetPage*>(view.release()));
    window.layout()->addWidget(m_page.get());
    m_page->Show();
    QApplication::processEvents();
    return *m_page;
}

bool PageRig::FocusGrid() {
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    m_page->FocusGrid();
    QApplication::processEvents();
    return m_page->Grid().HasFocus();
}

QImage PageRig::Render() {
    QWidget* viewport = m_page->Grid().viewport();
    QImage image(viewport->size(), QImage::Format_RGB32);
    viewport->render(&image);
    return image;
}
