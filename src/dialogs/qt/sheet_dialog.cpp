#include "dialogs/qt/sheet_dialog.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPushButton>
#include <QWindow>

#include "dialogs/dialog_texts.h"
#include "dialogs/qt/dialog_font.h"
#include "dialogs/qt/dialog_sheet_grid.h"
#include "dialogs/qt/work_area.h"
#include "dialogs/sheet_dialog_layout.h"
#include "dialogs/sheet_size.h"
#include "dialogs/window_placement.h"
#include "overlay/gtex.h"
#include "platform/qt/qt_text.h"
#include "sheets/qt/qt_grid.h"

namespace {

constexpr int kBevel = 2;

QRect ToQRect(const clsBox& box) {
    return {box.left, box.top, box.width, box.height};
}

}  // namespace

cuiSheetDialog* cuiSheetDialog::Open(QWidget* owner, const std::string& caption,
                                     const std::string& sheetKey, const clsRadioSheetState& radio,
                                     const clsPopupSheetServices& services) {
    if (services.store == nullptr) return nullptr;
    auto* dialog = new cuiSheetDialog(owner, caption, sheetKey, radio, services);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

cuiSheetDialog::cuiSheetDialog(QWidget* owner, const std::string& caption,
                               const std::string& sheetKey, const clsRadioSheetState& radio,
                               const clsPopupSheetServices& services)
    // Not the owner's child, which disabling the owner would disable too: a window on top of it.
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_owner(owner) {
    if (owner != nullptr && owner->window()->windowHandle() != nullptr) {
        winId();
        windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    const clsDialogTexts texts = ReadDialogTexts(*services.store);
    setWindowTitle(FromCoreText(caption));
    setFont(QtFontOf(texts.font));

    // A raised outer and a lowered inner bevel with the border between them.
    auto* outer = new QFrame(this);
    outer->setFrameStyle(QFrame::Panel | QFrame::Raised);
    outer->setLineWidth(kBevel);
    auto* inner = new QFrame(outer);
    inner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    inner->setLineWidth(kBevel);

    clsSheetServices sheetServices;
    sheetServices.events = services.events;
    sheetServices.timers = services.timers;
    cmcGTex& store = *services.store;
    const clsEngineEntry engine = services.engine;
    m_sheetGrid = std::make_unique<cuiDialogSheetGrid>(
        this, services.timers, [&](cuiGrid& grid, const cmcTextMeasure& measure) {
            auto sheet =
                std::make_unique<iuiSheet>(grid, store, sheetKey, measure, sheetServices, radio);
            sheet->SetEngineEntry(engine);
            return sheet;
        });
    m_sheetGrid->Build();
    cuiQtGrid& grid = m_sheetGrid->Grid();
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_button = new QPushButton(FromCoreText(texts.ok), this);
    m_button->setDefault(true);
    const QFontMetrics metrics(font());
    const cmcTextSize button{metrics.horizontalAdvance(FromCoreText(texts.buttonSample)),
                             2 * metrics.height()};
    const clsSheetSize sheet = FullSheetSize(grid);
    const clsSheetDialogLayout layout = LayOutSheetDialog(sheet.width, sheet.height, button);
    outer->setGeometry(ToQRect(layout.panel));
    inner->setGeometry(layout.sheet.left - kBevel, layout.sheet.top - kBevel,
                       layout.sheet.width + 2 * kBevel, layout.sheet.height + 2 * kBevel);
    grid.setGeometry(ToQRect(layout.sheet));
    grid.raise();
    m_button->setGeometry(ToQRect(layout.button));
    setFixedSize(layout.width, layout.height);
    grid.SetTopLeft(grid.FixedCols(), grid.FixedRows());
    setTabOrder(m_button, &grid);
    connect(m_button, &QPushButton::clicked, this, &QDialog::accept);

    // The dialog's frame is the platform's: centre the client area and keep it on the desktop.
    const QRect ownerArea = owner != nullptr ? owner->frameGeometry() : QRect(0, 0, 0, 0);
    const cmcRect ownerRect{ownerArea.left(), ownerArea.top(), ownerArea.left() + ownerArea.width(),
                            ownerArea.top() + ownerArea.height()};
    const clsWindowPlace place =
        CentreOverOwner(ownerRect, layout.width, layout.height, WorkAreaAt(ownerArea.center()));
    move(place.left, place.top);
    if (owner != nullptr) owner->setEnabled(false);
}

cuiSheetDialog::~cuiSheetDialog() {
    if (m_owner) {
        m_owner->setEnabled(true);
        m_owner->activateWindow();
        m_owner->setFocus(Qt::OtherFocusReason);
    }
}

cuiQtGrid& cuiSheetDialog::Grid() {
    return m_sheetGrid->Grid();
}

void cuiSheetDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_button->setFocus(Qt::OtherFocusReason);
}
