#include "platform/widgets/DatePicker.h"

#include "platform/Locale.h"
#include "platform/widgets/KeyCodes.h"

#include <QPointer>

namespace platform {

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(ShortDateFormat());
    setDate(QDate::currentDate());
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    const int code = KeyCodeOf(event);
    QPointer<DatePicker> self(this);
    Q_EMIT KeyDown(code, ShiftState(event->modifiers()));
    if (!self)
        return;
    if (code == KeyReturn || code == KeyEscape) {
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

void DatePicker::focusInEvent(QFocusEvent* event) {
    QDateEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT GotFocus();
}

void DatePicker::focusOutEvent(QFocusEvent* event) {
    QDateEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT LostFocus();
}

} // namespace platform
