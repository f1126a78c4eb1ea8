#pragma once
// A date field with a drop-down calendar: the date picker of the entry frames and the register's date editor.
//
// The date is typed as a whole, in the locale's short form (leading zeros optional, four-digit year), and taken
// when the picker loses the focus or Enter is pressed. A text that is no date, or names a date that does not
// exist, is refused: a beep, and the picker shows its old date again, all selected, for the user to retype. A click
// selects the day, month or year under the pointer, so that typing replaces just that part. The picker is one Tab
// stop; Up and Down step the part the caret is in, F4 and Alt+Down open the calendar.

#include <QDateEdit>

namespace platform {

class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDate Value() const { return date(); }
    void SetValue(const QDate& value) { setDate(value); }
    // The width, in pixels, at which the picker shows any date of the locale's short form whole (leading zeros
    // typed included) beside its calendar button. Asked of a picker that is shown.
    int WidthForDates() const;

Q_SIGNALS:
    // Every key pressed while the picker has the focus. Enter takes the typed date first, and a refused date ends
    // the key there (no KeyDown, so a register editor stays open for the correction); Escape drops what was typed
    // first. Enter and Escape stop here: they never reach the window (where a dialog would take them as its
    // default or cancel button).
    void KeyDown(int keyCode, int shift);
    // The focus came from or left to another control; the picker's own calendar popup does not count. The typed
    // date is taken (or refused) before LostFocus is raised.
    void GotFocus();
    void LostFocus();

public:
    // Why the focus last left the picker (a mouse press elsewhere, Tab, ...).
    Qt::FocusReason LostFocusReason() const { return lostFocusReason; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QDateTime dateTimeFromText(const QString& text) const override;

private:
    // Takes the typed text as the date; false (after a beep, with the old date shown again) when it is none.
    bool TakeTypedText();
    void RevertText();
    void SelectPartAtCaret();
    void ShowCalendar();
    int PartAtCaret() const;

    Qt::FocusReason lostFocusReason = Qt::OtherFocusReason;
};

} // namespace platform
