#include "sheets/qt/grid_editor.h"

#include <QKeyEvent>

#include "sheets/grid.h"
#include "sheets/sheet_keys.h"

cuiGridEditor::cuiGridEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    document()->setDocumentMargin(0);
    connect(this, &QPlainTextEdit::textChanged, this, &cuiGridEditor::Restrict);
}

void cuiGridEditor::Restrict() {
    if (m_restricting) return;
    const QString text = toPlainText();
    QString kept;
    kept.reserve(text.size());
    for (const QChar character : text) {
        if (character.unicode() <= 0xFF && kept.size() < kEditorMaxLength) kept.append(character);
    }
    if (kept == text) return;
    m_restricting = true;
    const int caret = std::min(static_cast<int>(kept.size()), textCursor().position());
    setPlainText(kept);
    QTextCursor cursor = textCursor();
    cursor.setPosition(caret);
    setTextCursor(cursor);
    m_restricting = false;
}

void cuiGridEditor::keyPressEvent(QKeyEvent* event) {
    int32_t key = 0;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = clsSheetKey::kEnter;
            break;
        case Qt::Key_Escape:
            key = clsSheetKey::kEscape;
            break;
        case Qt::Key_Up:
            key = clsSheetKey::kUp;
            break;
        case Qt::Key_Down:
            key = clsSheetKey::kDown;
            break;
        case Qt::Key_PageUp:
            key = clsSheetKey::kPageUp;
            break;
        case Qt::Key_PageDown:
            key = clsSheetKey::kPageDown;
            break;
        default:
            QPlainTextEdit::keyPressEvent(event);
            return;
    }
    event->accept();
    if (onKey) onKey(key);
}

void cuiGridEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    // A menu or a message box taking the focus for a moment is no leaving.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (isVisible() && onLeave) onLeave();
}
