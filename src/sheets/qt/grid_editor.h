#pragma once

#include <QPlainTextEdit>
#include <functional>

// The grid's in-place editor: borderless, several lines without word wrap, at most
// kEditorMaxLength characters, and only characters the core's texts can hold (Latin-1): others
// are refused as they are typed or pasted, never turned into something else. The keys that end or
// move an edit go to the grid's handler instead of the editor; so does leaving it.
class cuiGridEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit cuiGridEditor(QWidget* parent);

    // key is a sheet key code (clsSheetKey).
    std::function<void(int32_t key)> onKey;
    std::function<void()> onLeave;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Restrict();
    bool m_restricting = false;
};
