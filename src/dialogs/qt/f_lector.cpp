#include "dialogs/qt/f_lector.h"

#include <QFrame>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "base/event_manager.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/qt/dialog_sheet_grid.h"
#include "dialogs/qt/work_area.h"
#include "dialogs/sheet_size.h"
#include "dialogs/window_placement.h"
#include "overlay/gtex.h"
#include "platform/qt/qt_text.h"
#include "sheets/grid_geometry.h"
#include "sheets/qt/qt_grid.h"

namespace {

// The raised bevel around the list and the border inside it, on each side.
constexpr int kFrameInset = kListBevel + kListBorder;

}  // namespace

cuiFlector* cuiFlector::Open(const cmcCellCapsule& owner, QWidget* host,
                             const std::string& sheetKey, int32_t label, int32_t value,
                             const clsPopupSheetServices& services) {
    if (services.store == nullptr) return nullptr;
    auto* list = new cuiFlector(owner, host, sheetKey, label, value, services);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->show();
    return list;
}

cuiFlector::cuiFlector(const cmcCellCapsule& owner, QWidget* host, const std::string& sheetKey,
                       int32_t label, int32_t value, const clsPopupSheetServices& services)
    : QDialog(host != nullptr ? host->window() : nullptr, Qt::Popup),
      m_owner(owner),
      m_host(host),
      m_events(services.events) {
    // The request's rectangle lives only for the request that opened the list.
    if (owner.rectangle != nullptr) m_cellRect = *owner.rectangle;
    m_owner.rectangle = &m_cellRect;
    setWindowTitle(FromCoreText(ReadDialogTexts(*services.store).caption));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(kListBevel);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto* inner = new QVBoxLayout(frame);
    // Inside the frame's own bevel.
    inner->setContentsMargins(kListBorder, kListBorder, kListBorder, kListBorder);

    clsSheetServices sheetServices;
    sheetServices.events = services.events;
    sheetServices.timers = services.timers;
    sheetServices.host = this;
    cmcGTex& store = *services.store;
    const clsEngineEntry engine = services.engine;
    m_sheetGrid = std::make_unique<cuiDialogSheetGrid>(
        frame, services.timers, [&](cuiGrid& grid, const cmcTextMeasure& measure) {
            auto sheet = std::make_unique<cuiSheet>(grid, store, sheetKey, measure, sheetServices,
                                                    &m_owner, label, value);
            sheet->SetSelectionList(true);
            sheet->SetEngineEntry(engine);
            return sheet;
        });
    inner->addWidget(&m_sheetGrid->Grid());
    m_sheetGrid->Build();
    setFocusProxy(&m_sheetGrid->Grid());

    if (host != nullptr) connect(host, &QObject::destroyed, this, &cuiFlector::HostGone);
    if (m_events != nullptr) m_events->AddListener(&cuiFlector::OnEvent, this);
    SizeAndPlace();
}

cuiFlector::~cuiFlector() {
    if (m_events != nullptr) m_events->RemoveListener(&cuiFlector::OnEvent, this);
}

cuiQtGrid& cuiFlector::Grid() {
    return m_sheetGrid->Grid();
}

cuiSheet& cuiFlector::Sheet() {
    return m_sheetGrid->Sheet();
}

void cuiFlector::SizeAndPlace() {
    cuiQtGrid& grid = Grid();
    const clsSheetSize sheet = FullSheetSize(grid);
    QPoint topLeft(m_cellRect.left, m_cellRect.top);
    if (m_host) topLeft = m_host->mapToGlobal(topLeft);
    const cmcRect workArea = WorkAreaAt(topLeft);
    const clsListWindowSize size =
        SizeSelectionList(sheet.width, sheet.height, 2 * kFrameInset, 2 * kFrameInset, workArea);
    m_scrollBars = size.scrollBars;
    const Qt::ScrollBarPolicy policy =
        m_scrollBars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    grid.setHorizontalScrollBarPolicy(policy);
    grid.setVerticalScrollBarPolicy(policy);
    setFixedSize(size.width, size.height);
    grid.SetTopLeft(grid.FixedCols(), grid.FixedRows());
    // Scrolled to the top left, the current entry is still shown when it lies further down.
    if (m_scrollBars && grid.IsEnabled()) grid.MoveCurrent(grid.Col(), grid.Row(), true);
    const cmcRect cell{topLeft.x(), topLeft.y(), topLeft.x() + m_cellRect.right - m_cellRect.left,
                       topLeft.y() + m_cellRect.bottom - m_cellRect.top};
    const clsWindowPlace place = PlaceNextToCell(cell, size.width, size.height, workArea);
    move(place.left, place.top);
}

void cuiFlector::HideHost() {
    close();
}

void cuiFlector::HostGone() {
    close();
}

void cuiFlector::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Grid().setFocus(Qt::PopupFocusReason);
}

void cuiFlector::hideEvent(QHideEvent* event) {
    // Clicking elsewhere hides the popup: the list is finished then, as after a commit.
    QDialog::hideEvent(event);
    if (testAttribute(Qt::WA_DeleteOnClose)) deleteLater();
}

void cuiFlector::wheelEvent(QWheelEvent* event) {
    // The grid scrolls a list with scroll bars; any other wheel stops here, not at the host.
    event->accept();
}

void cuiFlector::OnEvent(void* context, const cmcEvent& event) {
    if (event.code == cmcEvCode::EndEditing) static_cast<cuiFlector*>(context)->close();
}
