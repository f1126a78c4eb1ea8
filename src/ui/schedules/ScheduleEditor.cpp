#include "ui/schedules/ScheduleEditor.h"

#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "platform/widgets/DatePicker.h"
#include "register/ScheduleText.h"
#include "ui/schedules/AmountBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {
template <typename Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

// A row's label names its first field, which its access key reaches.
QLabel* Label(const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    return label;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> controls) {
    auto* row = new QHBoxLayout;
    for (QWidget* control : controls)
        row->addWidget(control);
    row->addStretch();
    return row;
}
} // namespace

ScheduleEditor::ScheduleEditor(QWidget* owner, const ledger::Schedule& schedule, double today)
    : QDialog(owner), original(schedule), today(today) {
    setObjectName(QStringLiteral("frmSchedule"));
    setWindowTitle(tr("Schedule"));
    setModal(true);
    BuildFields();
    Form_Load();
    UpdateFields();
}

void ScheduleEditor::BuildFields() {
    kindBox = Named(new QComboBox(this), "kindBox");
    for (const ScheduleKind& kind : ScheduleKinds)
        kindBox->addItem(ScheduleKindText(kind));
    descriptionBox = Named(new QLineEdit(this), "descriptionBox");
    descriptionBox->setMaxLength(ledger::DescriptionLength);
    amountBox = NewAmountBox(this, QStringLiteral("amountBox"));
    variesBox = Named(new QCheckBox(tr("Amount &varies"), this), "variesBox");
    auto* toleranceLabel = new QLabel(tr("by up to"), this);
    toleranceBox = NewAmountBox(this, QStringLiteral("toleranceBox"));

    everyBox = Named(new QSpinBox(this), "everyBox");
    everyBox->setRange(1, ledger::MaxRepeatEvery);
    unitBox = Named(new QComboBox(this), "unitBox");
    unitBox->addItems({tr("days"), tr("weeks"), tr("months")});

    onDayOfMonth = Named(new QRadioButton(tr("On &day"), this), "onDayOfMonth");
    dayOfMonthBox = Named(new QSpinBox(this), "dayOfMonthBox");
    dayOfMonthBox->setRange(1, 31);
    onNthWeekday = Named(new QRadioButton(tr("On t&he"), this), "onNthWeekday");
    nthBox = Named(new QComboBox(this), "nthBox");
    for (int nth = 1; nth <= ledger::LastWeekOfMonth; ++nth)
        nthBox->addItem(WeekOfMonthText(nth));
    weekdayBox = Named(new QComboBox(this), "weekdayBox");
    for (int weekday = 1; weekday <= 7; ++weekday)
        weekdayBox->addItem(WeekdayText(weekday));
    auto* place = new QButtonGroup(this);
    place->addButton(onDayOfMonth);
    place->addButton(onNthWeekday);

    startDateBox = Named(new platform::DatePicker(this), "startDateBox");
    endsNever = Named(new QRadioButton(tr("&Never"), this), "endsNever");
    endsOnDate = Named(new QRadioButton(tr("&On"), this), "endsOnDate");
    endDateBox = Named(new platform::DatePicker(this), "endDateBox");
    endsAfterCount = Named(new QRadioButton(tr("&After"), this), "endsAfterCount");
    countBox = Named(new QSpinBox(this), "countBox");
    countBox->setRange(1, 9999);
    auto* times = new QLabel(tr("times"), this);
    auto* end = new QButtonGroup(this);
    for (QRadioButton* option : {endsNever, endsOnDate, endsAfterCount})
        end->addButton(option);

    weekendBox = Named(new QComboBox(this), "weekendBox");
    weekendBox->addItems({tr("On the day"), tr("Move before"), tr("Move after")});
    nextDatesLabel = Named(new QLabel(this), "nextDatesLabel");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OKButton = buttons->button(QDialogButtonBox::Ok);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));

    auto* form = new QFormLayout(this);
    form->addRow(Label(tr("&Type:"), kindBox), Row({kindBox}));
    form->addRow(tr("D&escription:"), descriptionBox);
    form->addRow(Label(tr("A&mount:"), amountBox), Row({amountBox, variesBox, toleranceLabel, toleranceBox}));
    form->addRow(Label(tr("&Repeat every:"), everyBox), Row({everyBox, unitBox}));
    form->addRow(QString(), Row({onDayOfMonth, dayOfMonthBox}));
    form->addRow(QString(), Row({onNthWeekday, nthBox, weekdayBox}));
    form->addRow(Label(tr("&Starts:"), startDateBox), Row({startDateBox}));
    form->addRow(tr("Ends:"), Row({endsNever, endsOnDate, endDateBox, endsAfterCount, countBox, times}));
    form->addRow(Label(tr("On a &weekend:"), weekendBox), Row({weekendBox}));
    form->addRow(nextDatesLabel);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &ScheduleEditor::AcceptSchedule);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QComboBox* box : {unitBox, nthBox, weekdayBox, weekendBox})
        connect(box, &QComboBox::currentIndexChanged, this, &ScheduleEditor::UpdateFields);
    for (QSpinBox* box : {everyBox, dayOfMonthBox, countBox})
        connect(box, &QSpinBox::valueChanged, this, &ScheduleEditor::UpdateFields);
    const std::initializer_list<QAbstractButton*> options = {variesBox, onDayOfMonth, onNthWeekday,
                                                             endsNever, endsOnDate,   endsAfterCount};
    for (QAbstractButton* option : options)
        connect(option, &QAbstractButton::toggled, this, &ScheduleEditor::UpdateFields);
    for (platform::DatePicker* picker : {startDateBox, endDateBox})
        connect(picker, &QDateEdit::dateChanged, this, &ScheduleEditor::UpdateFields);
}

void ScheduleEditor::Form_Load() {
    const ledger::ScheduleRule& rule = original.rule;
    kindBox->setCurrentIndex(ScheduleKindIndex(original));
    descriptionBox->setText(original.description);
    amountBox->setText(ledger::DollarText(original.amountCents));
    variesBox->setChecked(original.amountVaries);
    toleranceBox->setText(ledger::DollarText(original.toleranceCents));
    everyBox->setValue(rule.every);
    unitBox->setCurrentIndex(int(rule.unit));
    dayOfMonthBox->setValue(rule.dayOfMonth);
    nthBox->setCurrentIndex(rule.nth - 1);
    weekdayBox->setCurrentIndex(rule.weekday - 1);
    (rule.place == ledger::MonthPlace::DayOfMonth ? onDayOfMonth : onNthWeekday)->setChecked(true);
    const QDate start = platform::DateFromDayCount(rule.start);
    startDateBox->SetValue(start);
    // A rule that never ended offers a year from its start, should the user end it.
    endDateBox->SetValue(rule.end != 0 ? platform::DateFromDayCount(rule.end) : start.addYears(1));
    countBox->setValue(rule.count != 0 ? rule.count : 12);
    (rule.end != 0 ? endsOnDate : rule.count != 0 ? endsAfterCount : endsNever)->setChecked(true);
    weekendBox->setCurrentIndex(int(rule.weekend));
}

ledger::ScheduleRule ScheduleEditor::TypedRule() const {
    ledger::ScheduleRule rule;
    rule.unit = ledger::RepeatUnit(unitBox->currentIndex());
    rule.every = everyBox->value();
    rule.place = onNthWeekday->isChecked() ? ledger::MonthPlace::NthWeekday : ledger::MonthPlace::DayOfMonth;
    rule.dayOfMonth = dayOfMonthBox->value();
    rule.nth = nthBox->currentIndex() + 1;
    rule.weekday = weekdayBox->currentIndex() + 1;
    rule.start = platform::DayCountFromDate(startDateBox->Value());
    rule.end = endsOnDate->isChecked() ? platform::DayCountFromDate(endDateBox->Value()) : 0;
    rule.count = endsAfterCount->isChecked() ? countBox->value() : 0;
    rule.weekend = ledger::WeekendShift(weekendBox->currentIndex());
    return rule;
}

// Only the fields that mean something for the rule as it stands take input; the next date follows every change.
void ScheduleEditor::UpdateFields() {
    toleranceBox->setEnabled(variesBox->isChecked());
    const bool months = unitBox->currentIndex() == int(ledger::RepeatUnit::Months);
    onDayOfMonth->setEnabled(months);
    onNthWeekday->setEnabled(months);
    dayOfMonthBox->setEnabled(months && onDayOfMonth->isChecked());
    nthBox->setEnabled(months && onNthWeekday->isChecked());
    weekdayBox->setEnabled(months && onNthWeekday->isChecked());
    endDateBox->setEnabled(endsOnDate->isChecked());
    countBox->setEnabled(endsAfterCount->isChecked());

    ledger::Schedule typed = original;
    typed.rule = TypedRule();
    QString next = tr("ended", "a schedule with no next date");
    if (!ledger::IsValidRule(typed.rule)) {
        next = tr("none, the schedule ends before it starts");
    } else if (const std::optional<ledger::Occurrence> occurrence = ledger::NextDue(typed)) {
        const QString day = platform::FormatShortDate(occurrence->day);
        next = occurrence->day <= today ? tr("%1 (due)", "a date").arg(day) : day;
    }
    nextDatesLabel->setText(tr("Next: %1", "the next date of a schedule").arg(next));
}

// Every field is read before any is taken, so that OK offers the whole schedule or nothing.
void ScheduleEditor::AcceptSchedule() {
    const QString description = ledger::ControlCharactersAsSpaces(descriptionBox->text()).trimmed();
    if (description.isEmpty()) {
        platform::MsgBox(tr("The schedule needs a description."));
        descriptionBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::optional<int64_t> amount = ReadAmountCents(amountBox, tr("The amount must be an amount such as %1."));
    if (!amount)
        return;
    std::optional<int64_t> tolerance = 0;
    if (variesBox->isChecked() &&
        !(tolerance = ReadAmountCents(toleranceBox, tr("The tolerance must be an amount such as %1."))))
        return;
    const ledger::ScheduleRule rule = TypedRule();
    if (rule.end != 0 && rule.end < rule.start) {
        platform::MsgBox(tr("The schedule ends before it starts."));
        endDateBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    ledger::Schedule schedule = original;
    const ScheduleKind& kind = ScheduleKinds[size_t(kindBox->currentIndex())];
    schedule.typeCode = kind.typeCode;
    schedule.isCheck = kind.isCheck;
    schedule.description = description;
    schedule.amountCents = *amount;
    schedule.amountVaries = variesBox->isChecked();
    schedule.toleranceCents = *tolerance;
    schedule.rule = rule;
    edited = schedule;
    accept();
}
