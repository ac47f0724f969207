#include "dialogs/qt/masked_line_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "dialogs/masked_entry.h"
#include "platform/qt/qt_text.h"

namespace {

// The editing keys the entry knows; any other key without text changes nothing.
bool EntryKeyOf(int key, clsEntryKey& entryKey) {
    switch (key) {
        case Qt::Key_Left:
            entryKey = clsEntryKey::Left;
            return true;
        case Qt::Key_Right:
            entryKey = clsEntryKey::Right;
            return true;
        case Qt::Key_Home:
            entryKey = clsEntryKey::Home;
            return true;
        case Qt::Key_End:
            entryKey = clsEntryKey::End;
            return true;
        case Qt::Key_Backspace:
            entryKey = clsEntryKey::Backspace;
            return true;
        case Qt::Key_Delete:
            entryKey = clsEntryKey::Delete;
            return true;
        default:
            return false;
    }
}

bool IsDialogKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
           key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

}  // namespace

cuiMaskedLineEdit::cuiMaskedLineEdit(cuiMaskedEntry& entry, QWidget* parent)
    : QLineEdit(parent), m_entry(entry) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    Refresh();
}

void cuiMaskedLineEdit::Refresh() {
    setText(FromCoreText(m_entry.ShownText()));
    setCursorPosition(m_entry.Cursor());
}

void cuiMaskedLineEdit::TypeText(const QString& text) {
    for (const char c : ToCoreText(text))
        m_entry.Type(c);
}

void cuiMaskedLineEdit::keyPressEvent(QKeyEvent* event) {
    if (IsDialogKey(event->key())) {
        event->ignore();
        return;
    }
    event->accept();
    if (event->matches(QKeySequence::Copy)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    clsEntryKey entryKey{};
    if (event->matches(QKeySequence::Paste)) {
        TypeText(QGuiApplication::clipboard()->text());
    } else if (EntryKeyOf(event->key(), entryKey) &&
               (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        m_entry.Press(entryKey);
    } else if (event->text().size() == 1 && event->text()[0].isPrint()) {
        TypeText(event->text());
    } else {
        return;
    }
    Refresh();
    emit EntryChanged();
}

void cuiMaskedLineEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    m_entry.PlaceCursor(cursorPosition());
    Refresh();
}

void cuiMaskedLineEdit::mouseMoveEvent(QMouseEvent* event) {
    // No selection by dragging: typing always overwrites one position.
    event->accept();
}

void cuiMaskedLineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void cuiMaskedLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}
