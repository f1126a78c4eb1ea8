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
    setWindowTitle(QStringLiteral("Schedule"));
    setModal(true);
    BuildFields();
    Form_Load();
    UpdateFields();
}

void ScheduleEditor::BuildFields() {
    cboKind = Named(new QComboBox(this), "cboKind");
    for (const ScheduleKind& kind : ScheduleKinds)
        cboKind->addItem(ScheduleKindText(kind));
    txtDescription = Named(new QLineEdit(this), "txtDescription");
    txtDescription->setMaxLength(ledger::DescriptionLength);
    txtAmount = NewAmountBox(this, QStringLiteral("txtAmount"));
    chkVaries = Named(new QCheckBox(QStringLiteral("Amount &varies"), this), "chkVaries");
    auto* toleranceLabel = new QLabel(QStringLiteral("by up to"), this);
    txtTolerance = NewAmountBox(this, QStringLiteral("txtTolerance"));

    spnEvery = Named(new QSpinBox(this), "spnEvery");
    spnEvery->setRange(1, ledger::MaxRepeatEvery);
    cboUnit = Named(new QComboBox(this), "cboUnit");
    cboUnit->addItems({QStringLiteral("days"), QStringLiteral("weeks"), QStringLiteral("months")});

    optDayOfMonth = Named(new QRadioButton(QStringLiteral("On &day"), this), "optDayOfMonth");
    spnDayOfMonth = Named(new QSpinBox(this), "spnDayOfMonth");
    spnDayOfMonth->setRange(1, 31);
    optNthWeekday = Named(new QRadioButton(QStringLiteral("On t&he"), this), "optNthWeekday");
    cboNth = Named(new QComboBox(this), "cboNth");
    for (int nth = 1; nth <= ledger::LastWeekOfMonth; ++nth)
        cboNth->addItem(WeekOfMonthText(nth));
    cboWeekday = Named(new QComboBox(this), "cboWeekday");
    for (int weekday = 1; weekday <= 7; ++weekday)
        cboWeekday->addItem(WeekdayText(weekday));
    auto* place = new QButtonGroup(this);
    place->addButton(optDayOfMonth);
    place->addButton(optNthWeekday);

    dtpStart = Named(new platform::DatePicker(this), "dtpStart");
    optEndNever = Named(new QRadioButton(QStringLiteral("&Never"), this), "optEndNever");
    optEndOn = Named(new QRadioButton(QStringLiteral("&On"), this), "optEndOn");
    dtpEnd = Named(new platform::DatePicker(this), "dtpEnd");
    optEndAfter = Named(new QRadioButton(QStringLiteral("&After"), this), "optEndAfter");
    spnCount = Named(new QSpinBox(this), "spnCount");
    spnCount->setRange(1, 9999);
    auto* times = new QLabel(QStringLiteral("times"), this);
    auto* end = new QButtonGroup(this);
    for (QRadioButton* option : {optEndNever, optEndOn, optEndAfter})
        end->addButton(option);

    cboWeekend = Named(new QComboBox(this), "cboWeekend");
    cboWeekend->addItems({QStringLiteral("On the day"), QStringLiteral("Move before"), QStringLiteral("Move after")});
    lblNext = Named(new QLabel(this), "lblNext");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OKButton = buttons->button(QDialogButtonBox::Ok);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));

    auto* form = new QFormLayout(this);
    form->addRow(Label(QStringLiteral("&Type:"), cboKind), Row({cboKind}));
    form->addRow(QStringLiteral("D&escription:"), txtDescription);
    form->addRow(Label(QStringLiteral("A&mount:"), txtAmount),
                 Row({txtAmount, chkVaries, toleranceLabel, txtTolerance}));
    form->addRow(Label(QStringLiteral("&Repeat every:"), spnEvery), Row({spnEvery, cboUnit}));
    form->addRow(QString(), Row({optDayOfMonth, spnDayOfMonth}));
    form->addRow(QString(), Row({optNthWeekday, cboNth, cboWeekday}));
    form->addRow(Label(QStringLiteral("&Starts:"), dtpStart), Row({dtpStart}));
    form->addRow(QStringLiteral("Ends:"), Row({optEndNever, optEndOn, dtpEnd, optEndAfter, spnCount, times}));
    form->addRow(Label(QStringLiteral("On a &weekend:"), cboWeekend), Row({cboWeekend}));
    form->addRow(lblNext);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &ScheduleEditor::OKButton_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QComboBox* box : {cboUnit, cboNth, cboWeekday, cboWeekend})
        connect(box, &QComboBox::currentIndexChanged, this, &ScheduleEditor::UpdateFields);
    for (QSpinBox* box : {spnEvery, spnDayOfMonth, spnCount})
        connect(box, &QSpinBox::valueChanged, this, &ScheduleEditor::UpdateFields);
    const std::initializer_list<QAbstractButton*> options = {chkVaries,   optDayOfMonth, optNthWeekday,
                                                             optEndNever, optEndOn,      optEndAfter};
    for (QAbstractButton* option : options)
        connect(option, &QAbstractButton::toggled, this, &ScheduleEditor::UpdateFields);
    for (platform::DatePicker* picker : {dtpStart, dtpEnd})
        connect(picker, &QDateEdit::dateChanged, this, &ScheduleEditor::UpdateFields);
}

void ScheduleEditor::Form_Load() {
    const ledger::ScheduleRule& rule = original.rule;
    cboKind->setCurrentIndex(ScheduleKindIndex(original));
    txtDescription->setText(original.description);
    txtAmount->setText(ledger::DollarText(original.amountCents));
    chkVaries->setChecked(original.amountVaries);
    txtTolerance->setText(ledger::DollarText(original.toleranceCents));
    spnEvery->setValue(rule.every);
    cboUnit->setCurrentIndex(int(rule.unit));
    spnDayOfMonth->setValue(rule.dayOfMonth);
    cboNth->setCurrentIndex(rule.nth - 1);
    cboWeekday->setCurrentIndex(rule.weekday - 1);
    (rule.place == ledger::MonthPlace::DayOfMonth ? optDayOfMonth : optNthWeekday)->setChecked(true);
    const QDate start = platform::DateFromDayCount(rule.start);
    dtpStart->SetValue(start);
    // A rule that never ended offers a year from its start, should the user end it.
    dtpEnd->SetValue(rule.end != 0 ? platform::DateFromDayCount(rule.end) : start.addYears(1));
    spnCount->setValue(rule.count != 0 ? rule.count : 12);
    (rule.end != 0 ? optEndOn : rule.count != 0 ? optEndAfter : optEndNever)->setChecked(true);
    cboWeekend->setCurrentIndex(int(rule.weekend));
}

ledger::ScheduleRule ScheduleEditor::TypedRule() const {
    ledger::ScheduleRule rule;
    rule.unit = ledger::RepeatUnit(cboUnit->currentIndex());
    rule.every = spnEvery->value();
    rule.place = optNthWeekday->isChecked() ? ledger::MonthPlace::NthWeekday : ledger::MonthPlace::DayOfMonth;
    rule.dayOfMonth = spnDayOfMonth->value();
    rule.nth = cboNth->currentIndex() + 1;
    rule.weekday = cboWeekday->currentIndex() + 1;
    rule.start = platform::DayCountFromDate(dtpStart->Value());
    rule.end = optEndOn->isChecked() ? platform::DayCountFromDate(dtpEnd->Value()) : 0;
    rule.count = optEndAfter->isChecked() ? spnCount->value() : 0;
    rule.weekend = ledger::WeekendShift(cboWeekend->currentIndex());
    return rule;
}

// Only the fields that mean something for the rule as it stands take input; the next date follows every change.
void ScheduleEditor::UpdateFields() {
    txtTolerance->setEnabled(chkVaries->isChecked());
    const bool months = cboUnit->currentIndex() == int(ledger::RepeatUnit::Months);
    optDayOfMonth->setEnabled(months);
    optNthWeekday->setEnabled(months);
    spnDayOfMonth->setEnabled(months && optDayOfMonth->isChecked());
    cboNth->setEnabled(months && optNthWeekday->isChecked());
    cboWeekday->setEnabled(months && optNthWeekday->isChecked());
    dtpEnd->setEnabled(optEndOn->isChecked());
    spnCount->setEnabled(optEndAfter->isChecked());

    ledger::Schedule typed = original;
    typed.rule = TypedRule();
    QString next = QStringLiteral("ended");
    if (!ledger::IsValidRule(typed.rule)) {
        next = QStringLiteral("none, the schedule ends before it starts");
    } else if (const std::optional<ledger::Occurrence> occurrence = ledger::NextDue(typed)) {
        next = platform::FormatShortDate(occurrence->day);
        if (occurrence->day <= today)
            next += QStringLiteral(" (due)");
    }
    lblNext->setText(QStringLiteral("Next: ") + next);
}

// Every field is read before any is taken, so that OK offers the whole schedule or nothing.
void ScheduleEditor::OKButton_Click() {
    const QString description = ledger::ControlCharactersAsSpaces(txtDescription->text()).trimmed();
    if (description.isEmpty()) {
        platform::MsgBox(QStringLiteral("The schedule needs a description."));
        txtDescription->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::optional<int64_t> amount = ReadAmountCents(txtAmount, QStringLiteral("amount"));
    if (!amount)
        return;
    std::optional<int64_t> tolerance = 0;
    if (chkVaries->isChecked() && !(tolerance = ReadAmountCents(txtTolerance, QStringLiteral("tolerance"))))
        return;
    const ledger::ScheduleRule rule = TypedRule();
    if (rule.end != 0 && rule.end < rule.start) {
        platform::MsgBox(QStringLiteral("The schedule ends before it starts."));
        dtpEnd->setFocus(Qt::OtherFocusReason);
        return;
    }
    ledger::Schedule schedule = original;
    const ScheduleKind& kind = ScheduleKinds[size_t(cboKind->currentIndex())];
    schedule.typeCode = kind.typeCode;
    schedule.isCheck = kind.isCheck;
    schedule.description = description;
    schedule.amountCents = *amount;
    schedule.amountVaries = chkVaries->isChecked();
    schedule.toleranceCents = *tolerance;
    schedule.rule = rule;
    edited = schedule;
    accept();
}
