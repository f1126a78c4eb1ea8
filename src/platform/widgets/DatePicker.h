#pragma once
// A date field with a drop-down calendar: the date picker of the entry frames and the register's date editor.

#include <QDateEdit>

namespace platform {

class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDate Value() const { return date(); }
    void SetValue(const QDate& value) { setDate(value); }

Q_SIGNALS:
    // Every key pressed while the picker has the focus, before the picker acts on it. Enter and Escape stop
    // here: they never reach the window (where a dialog would take them as its default or cancel button).
    void KeyDown(int keyCode, int shift);
    // The focus came from or left to another control; the picker's own calendar popup does not count.
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace platform
