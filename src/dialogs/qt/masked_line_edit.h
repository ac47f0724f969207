#pragma once

#include <QLineEdit>

class cuiMaskedEntry;

// The edit of the masked entry dialog: it only shows the entry's text and cursor and hands every
// key and click to it. Enter, Escape and Tab go on to the dialog.
class cuiMaskedLineEdit : public QLineEdit {
    Q_OBJECT

public:
    cuiMaskedLineEdit(cuiMaskedEntry& entry, QWidget* parent);

    // Shows the entry's text and cursor again.
    void Refresh();

signals:
    void EntryChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void TypeText(const QString& text);

    cuiMaskedEntry& m_entry;
};
