#include "dialogs/qt/f_text_gps.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPushButton>

#include "base/event_manager.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/entry_dialog_layout.h"
#include "dialogs/qt/dialog_font.h"
#include "dialogs/qt/masked_line_edit.h"
#include "dialogs/qt/work_area.h"
#include "dialogs/window_placement.h"
#include "overlay/gtex.h"
#include "platform/qt/qt_text.h"

namespace {

// The edit's own font, whatever the dialog's font is.
constexpr int kEditPointSize = 11;

QRect ToQRect(const clsBox& box) {
    return {box.left, box.top, box.width, box.height};
}

}  // namespace

cuiFTextGps* cuiFTextGps::Open(const cmcCellCapsule& owner, const std::string& valueText,
                               int32_t mode, QWidget* host,
                               const clsEntryDialogServices& services) {
    const clsEntryMask* mask = FindEntryMask(mode);
    if (mask == nullptr || services.store == nullptr) return nullptr;
    auto* dialog = new cuiFTextGps(owner, valueText, *mask, host, services);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->PlaceNextToCell();
    dialog->show();
    return dialog;
}

cuiFTextGps::cuiFTextGps(const cmcCellCapsule& owner, const std::string& valueText,
                         const clsEntryMask& mask, QWidget* host,
                         const clsEntryDialogServices& services)
    : QDialog(host != nullptr ? host->window() : nullptr, Qt::Popup),
      m_owner(owner, services.engine),
      m_entry(mask, valueText, m_owner.OpeningCode()),
      m_host(host),
      m_events(services.events) {
    const clsDialogTexts texts = ReadDialogTexts(*services.store);
    setWindowTitle(FromCoreText(texts.caption));
    setFont(QtFontOf(texts.font));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    m_edit = new cuiMaskedLineEdit(m_entry, this);
    QFont editFont(FromCoreText(datCellFont::DefaultFace()), kEditPointSize);
    editFont.setStyleHint(QFont::SansSerif);
    m_edit->setFont(editFont);
    m_ok = new QPushButton(FromCoreText(texts.ok), this);
    m_cancel = new QPushButton(FromCoreText(texts.cancel), this);
    m_ok->setDefault(true);
    m_cancel->setAutoDefault(false);

    const QFontMetrics metrics(font());
    const cmcTextSize sample{metrics.horizontalAdvance(FromCoreText(texts.buttonSample)),
                             metrics.height()};
    const clsEntryDialogLayout layout = LayOutEntryDialog(sample, m_edit->sizeHint().height());
    m_edit->setGeometry(ToQRect(layout.edit));
    m_ok->setGeometry(ToQRect(layout.ok));
    m_cancel->setGeometry(ToQRect(layout.cancel));
    frame->setGeometry(0, 0, layout.width, layout.height);
    setFixedSize(layout.width, layout.height);
    setTabOrder(m_edit, m_ok);
    setTabOrder(m_ok, m_cancel);

    connect(m_edit, &cuiMaskedLineEdit::EntryChanged, this, &cuiFTextGps::UpdateOk);
    connect(m_ok, &QPushButton::clicked, this, &cuiFTextGps::accept);
    connect(m_cancel, &QPushButton::clicked, this, &cuiFTextGps::reject);
    if (host != nullptr) connect(host, &QObject::destroyed, this, &cuiFTextGps::HostGone);
    if (m_events != nullptr) m_events->AddListener(&cuiFTextGps::OnEvent, this);
    UpdateOk();
}

cuiFTextGps::~cuiFTextGps() {
    if (m_events != nullptr) m_events->RemoveListener(&cuiFTextGps::OnEvent, this);
}

void cuiFTextGps::PlaceNextToCell() {
    const clsCellRect& cell = m_owner.CellRect();
    QPoint topLeft(cell.left, cell.top);
    if (m_host) topLeft = m_host->mapToGlobal(topLeft);
    const cmcRect onDesktop{topLeft.x(), topLeft.y(), topLeft.x() + cell.right - cell.left,
                            topLeft.y() + cell.bottom - cell.top};
    const clsWindowPlace place =
        ::PlaceNextToCell(onDesktop, width(), height(), WorkAreaAt(topLeft));
    move(place.left, place.top);
}

void cuiFTextGps::accept() {
    if (!m_entry.Passes()) return;  // Enter while the check fails does nothing
    CommitOnce();
    QDialog::accept();
}

void cuiFTextGps::reject() {
    m_entry.Cancel();
    QDialog::reject();
}

void cuiFTextGps::HostGone() {
    m_entry.Cancel();
    close();
}

void cuiFTextGps::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_edit->setFocus(Qt::PopupFocusReason);
    m_edit->Refresh();
}

void cuiFTextGps::hideEvent(QHideEvent* event) {
    // Clicking elsewhere closes the popup: that commits, unless it was cancelled. A popup hidden
    // with its main window is finished too and goes.
    CommitOnce();
    QDialog::hideEvent(event);
    if (testAttribute(Qt::WA_DeleteOnClose)) deleteLater();
}

void cuiFTextGps::closeEvent(QCloseEvent* event) {
    // Closing is a deactivation, not a cancel (the dialog's own close would reject).
    CommitOnce();
    QDialog::closeEvent(event);
}

void cuiFTextGps::OnEvent(void* context, const cmcEvent& event) {
    if (event.code == cmcEvCode::EndEditing) static_cast<cuiFTextGps*>(context)->close();
}

void cuiFTextGps::UpdateOk() {
    m_ok->setEnabled(m_entry.Passes());
}

void cuiFTextGps::CommitOnce() {
    if (const std::optional<std::string> text = m_entry.Commit()) m_owner.CommitText(*text);
}
