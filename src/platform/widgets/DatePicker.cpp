#include "platform/widgets/DatePicker.h"

#include "platform/Locale.h"
#include "platform/widgets/KeyCodes.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace platform {

namespace {
// Keys that edit or move within the text. QDateTimeEdit handles them section by section: it jumps to the next
// section as soon as one is complete and a typed separator then skips another, so whole dates typed in land in
// the wrong places. The picker hands them to the plain text box instead.
bool IsTextEditingKey(const QKeyEvent* event) {
    if (IsEditCommand(event))
        return true;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        break;
    }
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}
bool IsStepOrCalendarKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4:
        return true;
    default:
        return false;
    }
}
// F4 and Alt+Down open a drop-down, as in every combo box.
bool IsCalendarKey(const QKeyEvent* event) {
    return (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier) ||
           (event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier);
}
} // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(ShortDateFormat());
    setKeyboardTracking(false); // the date changes when the typing is done, not at every key
    setDate(QDate::currentDate());
    lineEdit()->installEventFilter(this);
    // QDateTimeEdit follows the caret from section to section and takes the text as a date at every section
    // change, which throws away a date half typed. The picker keeps its own idea of the caret's part.
    disconnect(lineEdit(), &QLineEdit::cursorPositionChanged, this, nullptr);
}

int DatePicker::WidthForDates() const {
    static const QRegularExpression shortField(QStringLiteral("(?<![dM])([dM])(?![dM])"));
    const QString padded = ShortDateFormat().replace(shortField, QStringLiteral("\\1\\1"));
    const QFontMetrics metrics = lineEdit()->fontMetrics();
    int widest = 0;
    for (int month = 1; month <= 12; ++month)
        widest = std::max(widest, metrics.horizontalAdvance(QLocale().toString(QDate(2000, month, 28), padded)));
    // The button and frame take what the text box does not; the picker must have been laid out (shown) once.
    const int besideText = width() - lineEdit()->width();
    const QMargins margins = lineEdit()->textMargins() + lineEdit()->contentsMargins();
    // A text box keeps 2 pixels beside its text on each side, and one for the caret.
    return besideText + margins.left() + margins.right() + widest + 5;
}

int DatePicker::PartAtCaret() const {
    const QString text = lineEdit()->text();
    const qsizetype caret = std::min(qsizetype(lineEdit()->cursorPosition()), text.size());
    int part = 0;
    for (qsizetype i = 1; i < caret; ++i)
        if (!text.at(i - 1).isLetterOrNumber() && text.at(i).isLetterOrNumber())
            ++part;
    return std::min(part, sectionCount() - 1);
}

bool DatePicker::TakeTypedText() {
    const QString typed = lineEdit()->text();
    if (typed == textFromDateTime(dateTime()))
        return true;
    const std::optional<double> day = ParseTypedDate(typed);
    const QDate date = day ? DateFromDayCount(*day) : QDate();
    if (!date.isValid() || date < minimumDate() || date > maximumDate()) {
        QApplication::beep();
        RevertText();
        return false;
    }
    setDate(date);
    RevertText(); // the canonical form of the date just taken
    return true;
}

void DatePicker::RevertText() {
    lineEdit()->setText(textFromDateTime(dateTime()));
    lineEdit()->selectAll();
}

void DatePicker::SelectPartAtCaret() {
    QLineEdit* edit = lineEdit();
    const QString text = edit->text();
    qsizetype start = edit->cursorPosition();
    qsizetype end = start;
    while (start > 0 && text.at(start - 1).isLetterOrNumber())
        --start;
    while (end < text.size() && text.at(end).isLetterOrNumber())
        ++end;
    if (end > start)
        edit->setSelection(int(start), int(end - start));
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    const int code = KeyCodeOf(event);
    if (code == KeyReturn && !TakeTypedText()) {
        event->accept();
        return;
    }
    if (code == KeyEscape)
        RevertText();
    QPointer<DatePicker> self(this);
    Q_EMIT KeyDown(code, ShiftState(event->modifiers()));
    if (!self)
        return;
    if (code == KeyReturn || code == KeyEscape) {
        event->accept();
        return;
    }
    if (IsTextEditingKey(event)) {
        QAbstractSpinBox::keyPressEvent(event); // past QDateTimeEdit's section logic
        return;
    }
    // Stepping and the calendar start from the date typed so far, in the part the caret is in. Any other key (a
    // Shift for a capital letter, the dead key of an accent) must leave the half-typed text alone.
    if (!IsStepOrCalendarKey(event)) {
        QAbstractSpinBox::keyPressEvent(event);
        return;
    }
    const int part = PartAtCaret();
    if (!TakeTypedText()) {
        event->accept();
        return;
    }
    if (IsCalendarKey(event)) {
        ShowCalendar();
        event->accept();
        return;
    }
    setCurrentSectionIndex(part);
    QDateEdit::keyPressEvent(event);
}

// QDateEdit opens its calendar for a click on its button only: the keys press that button.
void DatePicker::ShowCalendar() {
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QPoint button =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this).center();
    QMouseEvent press(QEvent::MouseButtonPress, button, mapToGlobal(button), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QDateEdit::mousePressEvent(&press);
}

void DatePicker::focusInEvent(QFocusEvent* event) {
    QDateEdit::focusInEvent(event);
    if (event->reason() == Qt::PopupFocusReason)
        return;
    // Typing replaces the whole date; a click selects one part (eventFilter).
    if (event->reason() != Qt::MouseFocusReason)
        lineEdit()->selectAll();
    Q_EMIT GotFocus();
}

void DatePicker::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) {
        lostFocusReason = event->reason();
        TakeTypedText();
    }
    QDateEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT LostFocus();
}

bool DatePicker::focusNextPrevChild(bool next) {
    // Tab leaves the picker; QDateTimeEdit would walk its sections first.
    return QWidget::focusNextPrevChild(next);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !lineEdit()->hasSelectedText()) {
        const bool handled = QDateEdit::eventFilter(watched, event);
        SelectPartAtCaret();
        return handled;
    }
    return QDateEdit::eventFilter(watched, event);
}

// While typing any text is allowed; only a whole date is acceptable, and it is never corrected into another.
QValidator::State DatePicker::validate(QString& input, int&) const {
    return ParseTypedDate(input) ? QValidator::Acceptable : QValidator::Intermediate;
}

void DatePicker::fixup(QString&) const {}

QDateTime DatePicker::dateTimeFromText(const QString& text) const {
    const std::optional<double> day = ParseTypedDate(text);
    if (!day)
        return dateTime();
    return QDateTime(DateFromDayCount(*day), time());
}

} // namespace platform
