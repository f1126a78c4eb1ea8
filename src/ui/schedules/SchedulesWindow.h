#pragma once
// The Schedules window: the ledger's scheduled transactions with the rule and next date of each, added, edited and
// deleted here, and how far ahead the register looks (the horizon) with the balance it warns below (the cushion).
// Created for each showing, modal over its owner. Nothing is applied while it is open: OK offers the whole edited
// set (Values()) for the caller to apply, Cancel, Escape and the close box drop every change made in it, as the
// settings dialog does.

#include "ledger/Schedules.h"

#include <QDialog>
#include <cstdint>
#include <vector>

class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

struct SchedulesValues {
    std::vector<ledger::Schedule> schedules;
    int horizonDays = 0;
    int64_t cushionCents = 0;
    bool operator==(const SchedulesValues&) const = default;
};

class SchedulesWindow : public QDialog {
    Q_OBJECT
public:
    // `today`: the day count new schedules start on and the editor judges due dates against.
    SchedulesWindow(QWidget* owner, const SchedulesValues& current, double today);

    // The values OK accepted; the given ones until then.
    SchedulesValues Values() const { return values; }

private:
    void FillList(int select);
    int SelectedIndex() const;
    void UpdateButtons();
    void AddSchedule();
    void EditSchedule();
    void DeleteSchedule();
    void KeepSchedules();

    SchedulesValues values;
    std::vector<ledger::Schedule> schedules; // as edited so far
    double today = 0;

    QTreeWidget* scheduleList = nullptr;
    QPushButton* addScheduleButton = nullptr;
    QPushButton* editScheduleButton = nullptr;
    QPushButton* deleteScheduleButton = nullptr;
    QSpinBox* horizonBox = nullptr;
    QLineEdit* cushionBox = nullptr;
};
