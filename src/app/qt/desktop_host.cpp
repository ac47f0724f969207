#include "app/qt/desktop_host.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>

#include "app/dialog_filter.h"
#include "platform/qt/qt_text.h"

namespace {

QString FilterOf(const datFileDialog& dialog) {
    QStringList entries;
    for (const std::string& entry : DialogFilterEntries(dialog.filter))
        entries << FromCoreText(entry);
    return entries.join(QStringLiteral(";;"));
}

// Dialogs look the same on every desktop and under a test's offscreen screen.
void Prepare(QFileDialog& chooser, const datFileDialog& dialog) {
    chooser.setOption(QFileDialog::DontUseNativeDialog, true);
    chooser.setOption(QFileDialog::ReadOnly, false);
    chooser.setNameFilter(FilterOf(dialog));
    chooser.setDefaultSuffix(FromCoreText(dialog.defaultExtension));
    chooser.setDirectory(FromCorePath(dialog.initialFolder));
    chooser.setSizeGripEnabled(true);
    if (!dialog.proposedName.empty()) chooser.selectFile(FromCorePath(dialog.proposedName));
}

std::string Picked(QFileDialog& chooser) {
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return {};
    return ToCorePath(QDir::toNativeSeparators(chooser.selectedFiles().front()));
}

cmcRect RectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

cuiQtHost::cuiQtHost() = default;

cuiQtHost::~cuiQtHost() {
    if (m_busy) QGuiApplication::restoreOverrideCursor();
}

cmcMessageAnswer cuiQtHost::ShowMessage(const std::string& caption, const std::string& text,
                                        cmcMessageIcon icon, cmcMessageButtons buttons) {
    QMessageBox box(m_window);
    box.setWindowTitle(FromCoreText(caption));
    box.setText(FromCoreText(text));
    box.setIcon(icon == cmcMessageIcon::Error         ? QMessageBox::Critical
                : icon == cmcMessageIcon::Information ? QMessageBox::Information
                                                      : QMessageBox::Warning);
    switch (buttons) {
        case cmcMessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case cmcMessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case cmcMessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    // A box over the busy cursor shows the normal one.
    if (m_busy) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (m_busy) QGuiApplication::restoreOverrideCursor();
    switch (answer) {
        case QMessageBox::Ok:
            return cmcMessageAnswer::Ok;
        case QMessageBox::Yes:
            return cmcMessageAnswer::Yes;
        case QMessageBox::No:
            return cmcMessageAnswer::No;
        default:
            return buttons == cmcMessageButtons::Ok ? cmcMessageAnswer::Ok
                                                    : cmcMessageAnswer::Cancel;
    }
}

std::string cuiQtHost::AskOpenPath(const datFileDialog& dialog) {
    QFileDialog chooser(m_window);
    Prepare(chooser, dialog);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    return Picked(chooser);
}

std::string cuiQtHost::AskSavePath(const datFileDialog& dialog) {
    QFileDialog chooser(m_window);
    Prepare(chooser, dialog);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    // Qt's save dialog asks before it overwrites a file and refuses a read-only one.
    return Picked(chooser);
}

void cuiQtHost::SetBusyCursor(bool busy) {
    if (busy == m_busy) return;
    m_busy = busy;
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

std::string cuiQtHost::ExecutablePath() {
    return ToCorePath(QCoreApplication::applicationFilePath());
}

std::string cuiQtHost::DocumentsFolder() {
    return ToCorePath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::string cuiQtHost::CurrentDirectory() {
    return ToCorePath(QDir::currentPath());
}

cmcRect cuiQtHost::WorkArea() {
    QScreen* screen = m_window ? m_window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return {0, 0, 1024, 768};
    return RectOf(screen->availableGeometry());
}

std::optional<cmcRect> cuiQtHost::MainWindowRect() {
    if (!m_window) return std::nullopt;
    // The normal rectangle, also of a maximised window: the frame as it would be restored.
    const QRect normal = m_window->normalGeometry();
    if (!normal.isValid()) return std::nullopt;
    return RectOf(normal);
}

void cuiQtHost::EnableMainWindow(bool enabled) {
    if (!m_window) return;
    m_window->setEnabled(enabled);
    if (enabled) m_window->activateWindow();
}

void cuiQtHost::ShowProgress() {
    m_progress.Show(m_window, m_progressCaption);
}

void cuiQtHost::PaintProgress(int32_t filledSegments) {
    m_progress.Paint(filledSegments);
}

void cuiQtHost::CloseProgress() {
    m_progress.Close();
}
