#pragma once
// One schedule, edited: the transaction it makes and the rule of its dates, with the next date it falls on kept in
// view as the fields change. Created for each showing, modal over its owner; it shows the schedule it is given and,
// on OK, offers the edited one (Edited()). OK refuses, with the reason, a schedule without a description, with an
// amount the ledger could not keep or that ends before it starts. Cancel, Escape and the close box offer nothing.

#include "ledger/Schedules.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
namespace platform {
class DatePicker;
}

class ScheduleEditor : public QDialog {
    Q_OBJECT
public:
    // `today`: the day count the next date is judged against (due when on or before it).
    ScheduleEditor(QWidget* owner, const ledger::Schedule& schedule, double today);

    // The schedule OK accepted; nothing before that.
    std::optional<ledger::Schedule> Edited() const { return edited; }

private:
    void BuildFields();
    void Form_Load();
    // The rule as the fields say, whatever they hold.
    ledger::ScheduleRule TypedRule() const;
    void UpdateFields();
    void AcceptSchedule();

    ledger::Schedule original;
    double today = 0;
    std::optional<ledger::Schedule> edited;

    QComboBox* kindBox = nullptr;
    QLineEdit* descriptionBox = nullptr;
    QLineEdit* amountBox = nullptr;
    QCheckBox* variesBox = nullptr;
    QLineEdit* toleranceBox = nullptr;
    QSpinBox* everyBox = nullptr;
    QComboBox* unitBox = nullptr;
    QRadioButton* onDayOfMonth = nullptr;
    QSpinBox* dayOfMonthBox = nullptr;
    QRadioButton* onNthWeekday = nullptr;
    QComboBox* nthBox = nullptr;
    QComboBox* weekdayBox = nullptr;
    platform::DatePicker* startDateBox = nullptr;
    QRadioButton* endsNever = nullptr;
    QRadioButton* endsOnDate = nullptr;
    platform::DatePicker* endDateBox = nullptr;
    QRadioButton* endsAfterCount = nullptr;
    QSpinBox* countBox = nullptr;
    QComboBox* weekendBox = nullptr;
    QLabel* nextDatesLabel = nullptr;
    QPushButton* OKButton = nullptr;
};
