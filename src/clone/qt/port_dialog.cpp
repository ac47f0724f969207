#include "clone/qt/port_dialog.h"

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "base/settings.h"
#include "clone/port_choice.h"
#include "clone/port_enumeration.h"
#include "clone/qt/dialog_text_measure.h"
#include "dialogs/qt/dialog_font.h"
#include "dialogs/window_placement.h"
#include "overlay/gtex.h"
#include "platform/qt/qt_text.h"

namespace {

constexpr const char* kCaptionKey = "GI_AppInd_Opt_ComSel_Caption";
constexpr const char* kNoticeKey = "GI_AppInd_Opt_ComSel_Notice";
constexpr const char* kButtonsKey = "GI_AppInd_Opt_ComSel_Buttons";
constexpr const char* kButtonSizeKey = "GI_AppInd_Opt_ComSel_SizeOfButtons";
constexpr const char* kOutOfRangeKey = "GI_AppInd_Opt_ComSel_OutofRange";
constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";
constexpr int kMaxPortChars = 4;

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

QRect RectOf(const clsBox& box) {
    return {box.left, box.top, box.width, box.height};
}

cmcRect CellRectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

void cuiPortComboBox::showPopup() {
    if (m_beforeDropDown) m_beforeDropDown();
    QComboBox::showPopup();
}

cuiPortDialog::cuiPortDialog(QWidget* owner, clsPortDialogMode mode, cmcGTex& store,
                             datSettings& settings, const cmcPortInfoSource& ports)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_mode(mode),
      m_store(store),
      m_settings(settings),
      m_ports(ports),
      m_notice(new QLabel(this)),
      m_edit(new QLineEdit(this)),
      m_list(new cuiPortComboBox(this)),
      m_ok(new QPushButton(this)),
      m_cancel(new QPushButton(this)) {
    setFont(QtFontOf(m_font));
    const std::string notice = GetMultiLineText(store, kNoticeKey);
    datPortDialogTexts texts;
    texts.caption = store.GetFirstLine(kCaptionKey);
    texts.notice = LinesOf(notice);
    texts.okText = store.GetLine(kButtonsKey, 0);
    texts.buttonSample = store.GetFirstLine(kButtonSizeKey);
    const int32_t scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_layout = LayOutPortDialog(cuiDialogTextMeasure(), m_font, texts, mode, scrollBar);

    setWindowTitle(FromCoreText(texts.caption));
    m_notice->setTextFormat(Qt::PlainText);  // an "&" or "<" shows as typed
    m_notice->setText(FromCoreText(notice));
    m_notice->setGeometry(RectOf(m_layout.notice));

    const QString portText = QString::number(settings.comPort);
    m_edit->setGeometry(RectOf(m_layout.edit));
    m_edit->setMaxLength(kMaxPortChars);
    m_edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_edit->setText(portText);
    m_edit->setVisible(mode == clsPortDialogMode::Number);

    m_list->setGeometry(RectOf(m_layout.list));
    m_list->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_list->setEditable(mode == clsPortDialogMode::NumberList);
    if (m_list->isEditable()) {
        m_list->lineEdit()->setMaxLength(kMaxPortChars);
        m_list->setInsertPolicy(QComboBox::NoInsert);
    }
    m_list->setVisible(mode != clsPortDialogMode::Number);
    m_list->SetBeforeDropDown([this] { RefillList(); });
    if (mode != clsPortDialogMode::Number) {
        if (m_list->isEditable()) m_list->setEditText(portText);
        RefillList();
    }

    m_ok->setText(FromCoreText(texts.okText));
    m_cancel->setText(FromCoreText(store.GetLine(kButtonsKey, 1)));
    m_ok->setGeometry(RectOf(m_layout.ok));
    m_cancel->setGeometry(RectOf(m_layout.cancel));
    m_ok->setDefault(true);
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &cuiPortDialog::AcceptAnswer);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(m_layout.width, m_layout.height);
    Input()->setFocus();
}

QWidget* cuiPortDialog::Input() const {
    if (m_mode == clsPortDialogMode::Number) return m_edit;
    return m_list;
}

void cuiPortDialog::RefillList() {
    const bool descriptions = m_mode == clsPortDialogMode::DescriptionList;
    const QString typed = m_list->currentText();
    // Before the first fill the choice is the port in use.
    const int32_t remembered = m_list->count() == 0 && !m_list->isEditable()
                                   ? m_settings.comPort
                                   : ParsePortNumber(ToCoreText(typed));
    const datPortListRefill refill = RefillPortList(m_ports, descriptions, m_shown, remembered);
    if (refill.replaced) {
        m_list->clear();
        for (const std::string& item : refill.items)
            m_list->addItem(FromCoreText(item));
        m_shown = refill.items;
    }
    if (m_list->isEditable()) {
        // The typed text is the answer; the list only offers numbers.
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentIndex(refill.selected);
        m_list->setEditText(typed);
    } else {
        m_list->setCurrentIndex(refill.selected);
    }
    const int32_t dropped = DroppedListWidth(cuiDialogTextMeasure(), m_font, m_shown,
                                             m_list->width(), m_list->maxVisibleItems(),
                                             style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    m_list->view()->setMinimumWidth(dropped);
}

void cuiPortDialog::AcceptAnswer() {
    std::optional<int32_t> port;
    if (m_mode == clsPortDialogMode::Number) {
        port = AcceptTypedPort(ToCoreText(m_edit->text()));
    } else if (m_mode == clsPortDialogMode::NumberList) {
        port = AcceptTypedPort(ToCoreText(m_list->currentText()));
    } else {
        port = AcceptChosenPort(ToCoreText(m_list->currentText()));
    }
    if (!port) {
        ShowRangeError();
        Input()->setFocus();
        return;
    }
    m_settings.comPort = *port;
    accept();
}

void cuiPortDialog::ShowRangeError() {
    QMessageBox box(QMessageBox::Critical, FromCoreText(m_store.GetFirstLine(kAppTitleKey)),
                    FromCoreText(GetMultiLineText(m_store, kOutOfRangeKey)), QMessageBox::Ok, this);
    box.exec();
}

void cuiPortDialog::PlaceOverOwner() {
    QWidget* owner = parentWidget();
    QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect workArea = screen != nullptr ? screen->availableGeometry() : QRect();
    const QRect ownerRect = owner != nullptr ? owner->frameGeometry() : workArea;
    winId();  // the platform window gives the frame its size
    const QSize frame = frameGeometry().size();
    const clsWindowPlace place =
        CentreOverOwner(CellRectOf(ownerRect), frame.width(), frame.height(), CellRectOf(workArea));
    move(place.left, place.top);
}

bool ShowPortDialog(QWidget* mainWindow, int32_t mode, cmcGTex& store, datSettings& settings,
                    const cmcPortInfoSource& ports) {
    if (mode < 0 || mode > 2) return false;
    cuiPortDialog dialog(mainWindow, static_cast<clsPortDialogMode>(mode), store, settings, ports);
    dialog.PlaceOverOwner();
    return dialog.exec() == QDialog::Accepted;
}
