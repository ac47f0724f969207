#include "dialogs/qt/f_bits_r.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "base/event_manager.h"
#include "dialogs/bits_dialog_layout.h"
#include "dialogs/bits_sheet.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/qt/dialog_font.h"
#include "dialogs/qt/dialog_sheet_grid.h"
#include "dialogs/qt/work_area.h"
#include "dialogs/sheet_size.h"
#include "dialogs/window_placement.h"
#include "platform/qt/qt_text.h"
#include "sheets/qt/qt_grid.h"

namespace {

constexpr int kBevel = 2;

QRect ToQRect(const clsBox& box) {
    return {box.left, box.top, box.width, box.height};
}

// A tick in the middle of the cell, in the cell's text colour.
void DrawCheckMark(QPainter& painter, const clsCellRect& cell, const QColor& colour) {
    const int size = std::min(cell.right - cell.left, cell.bottom - cell.top) * 3 / 5;
    const QPointF centre((cell.left + cell.right) / 2.0, (cell.top + cell.bottom) / 2.0);
    const double half = size / 2.0;
    const QPointF tick[] = {centre + QPointF(-half, 0), centre + QPointF(-half / 3, half * 0.7),
                            centre + QPointF(half, -half * 0.7)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(colour, std::max(2.0, size / 6.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(tick, 3);
    painter.restore();
}

}  // namespace

cuiFBitsR* cuiFBitsR::Open(const cmcCellCapsule& owner, QWidget* host, uint32_t value,
                           const std::optional<std::string>& sheetKey,
                           const clsPopupSheetServices& services, clsBitMark mark) {
    if (services.store == nullptr) return nullptr;
    auto* dialog = new cuiFBitsR(owner, host, value, sheetKey, services, mark);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

cuiFBitsR::cuiFBitsR(const cmcCellCapsule& owner, QWidget* host, uint32_t value,
                     const std::optional<std::string>& sheetKey,
                     const clsPopupSheetServices& services, clsBitMark mark)
    : QDialog(host != nullptr ? host->window() : nullptr, Qt::Popup),
      m_owner(owner, services.engine),
      m_host(host),
      m_events(services.events) {
    const clsDialogTexts texts = ReadDialogTexts(*services.store);
    setWindowTitle(FromCoreText(texts.caption));
    setFont(QtFontOf(texts.font));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(kBevel);
    if (!sheetKey) m_builtIn.SetSourceLines(BitsSheetLines());
    cmcGTex& store = sheetKey ? *services.store : m_builtIn;
    const std::string key = sheetKey ? *sheetKey : std::string(kBitsSheetKey);
    clsSheetServices sheetServices;
    sheetServices.events = services.events;
    sheetServices.timers = services.timers;
    const clsEngineEntry engine = services.engine;
    // The request's rectangle lives only for the request that opened the dialog.
    cmcCellCapsule sheetOwner = owner;
    sheetOwner.rectangle = nullptr;
    m_sheetGrid = std::make_unique<cuiDialogSheetGrid>(
        this, services.timers, [&](cuiGrid& grid, const cmcTextMeasure& measure) {
            return std::make_unique<cuiBitsSheet>(grid, store, key, measure, sheetServices,
                                                  &sheetOwner, value, mark, engine);
        });
    m_sheetGrid->Build();
    cuiQtGrid& grid = m_sheetGrid->Grid();
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sheetGrid->SetCellOverlay(
        [this](QPainter& painter, int32_t column, int32_t row, const clsCellRect& rect) {
            if (Sheet().ShowsCheckMark(column, row))
                DrawCheckMark(painter, rect, palette().color(QPalette::Text));
        });
    grid.installEventFilter(this);

    m_ok = new QPushButton(FromCoreText(texts.ok), this);
    m_cancel = new QPushButton(FromCoreText(texts.cancel), this);
    m_ok->setDefault(true);
    m_cancel->setAutoDefault(false);

    const QFontMetrics metrics(font());
    const cmcTextSize button{metrics.horizontalAdvance(FromCoreText(texts.buttonSample)),
                             2 * metrics.height()};
    const clsSheetSize sheet = FullSheetSize(grid);
    const clsBitsDialogLayout layout = LayOutBitsDialog(sheet.width, sheet.height, button);
    grid.setGeometry(ToQRect(layout.sheet));
    m_ok->setGeometry(ToQRect(layout.ok));
    m_cancel->setGeometry(ToQRect(layout.cancel));
    frame->setGeometry(0, 0, layout.width, layout.height);
    setFixedSize(layout.width, layout.height);
    grid.SetTopLeft(grid.FixedCols(), grid.FixedRows());
    setTabOrder(&grid, m_ok);
    setTabOrder(m_ok, m_cancel);

    connect(m_ok, &QPushButton::clicked, this, &cuiFBitsR::accept);
    connect(m_cancel, &QPushButton::clicked, this, &cuiFBitsR::reject);
    if (host != nullptr) connect(host, &QObject::destroyed, this, &cuiFBitsR::HostGone);
    if (m_events != nullptr) m_events->AddListener(&cuiFBitsR::OnEvent, this);
    PlaceNextToCell();
}

cuiFBitsR::~cuiFBitsR() {
    if (m_events != nullptr) m_events->RemoveListener(&cuiFBitsR::OnEvent, this);
}

cuiQtGrid& cuiFBitsR::Grid() {
    return m_sheetGrid->Grid();
}

cuiBitsSheet& cuiFBitsR::Sheet() {
    return static_cast<cuiBitsSheet&>(m_sheetGrid->Sheet());
}

void cuiFBitsR::PlaceNextToCell() {
    const clsCellRect& cell = m_owner.CellRect();
    QPoint topLeft(cell.left, cell.top);
    if (m_host) topLeft = m_host->mapToGlobal(topLeft);
    const cmcRect onDesktop{topLeft.x(), topLeft.y(), topLeft.x() + cell.right - cell.left,
                            topLeft.y() + cell.bottom - cell.top};
    const clsWindowPlace place =
        ::PlaceNextToCell(onDesktop, width(), height(), WorkAreaAt(topLeft));
    move(place.left, place.top);
}

void cuiFBitsR::accept() {
    CommitOnce();
    QDialog::accept();
}

void cuiFBitsR::reject() {
    m_finished = true;
    QDialog::reject();
}

void cuiFBitsR::HostGone() {
    m_finished = true;
    close();
}

bool cuiFBitsR::eventFilter(QObject* watched, QEvent* event) {
    // The grid takes every key; Enter and Escape are the dialog's.
    if (watched == &Grid() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void cuiFBitsR::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Grid().setFocus(Qt::PopupFocusReason);
}

void cuiFBitsR::hideEvent(QHideEvent* event) {
    // Clicking elsewhere closes the popup: that commits, unless it was cancelled.
    CommitOnce();
    QDialog::hideEvent(event);
    if (testAttribute(Qt::WA_DeleteOnClose)) deleteLater();
}

void cuiFBitsR::closeEvent(QCloseEvent* event) {
    // Closing is a deactivation, not a cancel (the dialog's own close would reject).
    CommitOnce();
    QDialog::closeEvent(event);
}

void cuiFBitsR::OnEvent(void* context, const cmcEvent& event) {
    if (event.code == cmcEvCode::EndEditing) static_cast<cuiFBitsR*>(context)->close();
}

void cuiFBitsR::CommitOnce() {
    if (m_finished) return;
    m_finished = true;
    m_owner.CommitText(Sheet().Bits().CommitText());
}
