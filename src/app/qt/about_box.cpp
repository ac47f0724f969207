#include "app/qt/about_box.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/about_layout.h"
#include "app/qt/frame_look.h"
#include "overlay/cell_obj.h"
#include "overlay/gtex.h"
#include "platform/qt/qt_text.h"

namespace {

QRect ToQRect(const cmcRect& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

cuiQtAboutBox::cuiQtAboutBox(cmcGTex& store, const QIcon& icon, QWidget* mainWindow, cmcHost& host,
                             std::function<void(char)> onKey)
    : QDialog(mainWindow), m_mainWindow(mainWindow), m_onKey(std::move(onKey)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FromCoreText(store.GetFirstLine("GI_App_About_Caption")));
    clsSheetVariables variables{};
    cmcCellObj look;
    look.ParseCell(store.GetFirstLine("CellModel_BasicDialog"), &variables, nullptr);
    if (look.GetFont()) setFont(FromCoreFont(*look.GetFont(), font()));

    m_icon = new QLabel(this);
    m_icon->setPixmap(icon.pixmap(kAboutIconSize, kAboutIconSize));
    m_label = new QLabel(this);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setText(FromCoreText(GetMultiLineText(store, "GI_App_About_Label_Reg")));
    m_label->adjustSize();
    m_button = new QPushButton(FromCoreText(store.GetFirstLine("GI_App_About_Button")), this);
    m_button->setDefault(true);
    m_button->setAutoDefault(true);
    connect(m_button, &QPushButton::clicked, this, &QDialog::close);
    m_label->setAccessibleName(windowTitle());
    m_button->setAccessibleName(m_button->text());

    const datAboutLayout layout = AboutLayout(kAboutIconSize, kAboutIconSize, m_label->width(),
                                              m_label->height(), m_button->sizeHint().height());
    m_icon->setGeometry(ToQRect(layout.icon));
    m_label->move(layout.labelLeft, layout.labelTop);
    m_button->setGeometry(ToQRect(layout.button));
    setFixedSize(layout.clientWidth, layout.clientHeight);

    const QRect main = mainWindow->frameGeometry();
    const cmcRect placed = CentreOver(
        {main.left(), main.top(), main.left() + main.width(), main.top() + main.height()},
        layout.clientWidth, layout.clientHeight, host.WorkArea());
    move(placed.left, placed.top);

    // The main window takes no input while the box is open, and gets the focus back after.
    setWindowModality(Qt::WindowModal);
    connect(this, &QDialog::finished, this, [this] { m_mainWindow->activateWindow(); });
}

// Letters typed while the button has the focus come here too: the button does not take them.
void cuiQtAboutBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && text.front().isPrint() && m_onKey) {
        const std::string typed = ToCoreText(text);
        if (!typed.empty()) m_onKey(typed.front());
    }
    QDialog::keyPressEvent(event);
}
