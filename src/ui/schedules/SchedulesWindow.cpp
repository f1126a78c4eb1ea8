#include "ui/schedules/SchedulesWindow.h"

#include "model/TransactionRules.h"
#include "platform/ForecastHorizon.h"
#include "platform/Locale.h"
#include "platform/LocaleCodec.h"
#include "platform/Prompt.h"
#include "register/Forecast.h"
#include "register/ScheduleText.h"
#include "ui/schedules/AmountBox.h"
#include "ui/schedules/ScheduleEditor.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
enum Column { TypeColumn, DescriptionColumn, AmountColumn, RuleColumn, NextColumn };

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

// A payment on the day of the month `today` falls on, every month from today.
ledger::Schedule NewSchedule(double today) {
    ledger::Schedule schedule;
    const QDate date = platform::DateFromDayCount(today);
    schedule.rule.start = today;
    schedule.rule.dayOfMonth = date.day();
    schedule.rule.weekday = date.dayOfWeek();
    return schedule;
}
} // namespace

SchedulesWindow::SchedulesWindow(QWidget* owner, const SchedulesValues& current, double today)
    : QDialog(owner), values(current), schedules(current.schedules), today(today) {
    setObjectName(QStringLiteral("SchedulesWindow"));
    setWindowTitle(tr("Schedules"));
    setModal(true);

    scheduleList = new QTreeWidget(this);
    scheduleList->setObjectName(QStringLiteral("scheduleList"));
    scheduleList->setHeaderLabels(
        {tr("Type"), tr("Description"), tr("Amount"), tr("Repeats"), tr("Next", "the next date of a schedule")});
    scheduleList->headerItem()->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
    scheduleList->setRootIsDecorated(false);
    scheduleList->setUniformRowHeights(true);
    scheduleList->setAllColumnsShowFocus(true);
    scheduleList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    scheduleList->header()->setStretchLastSection(false);
    scheduleList->header()->setSectionResizeMode(DescriptionColumn, QHeaderView::Stretch);
    scheduleList->setMinimumSize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 14);

    addScheduleButton = Button(this, "addScheduleButton", tr("&Add..."));
    editScheduleButton = Button(this, "editScheduleButton", tr("&Edit..."));
    deleteScheduleButton = Button(this, "deleteScheduleButton", tr("&Delete"));
    auto* commands = new QVBoxLayout;
    for (QPushButton* button : {addScheduleButton, editScheduleButton, deleteScheduleButton})
        commands->addWidget(button);
    commands->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(scheduleList, 1);
    listRow->addLayout(commands);

    horizonBox = new QSpinBox(this);
    horizonBox->setObjectName(QStringLiteral("horizonBox"));
    horizonBox->setRange(1, platform::MaxHorizonDays);
    horizonBox->setSuffix(tr(" days", "look ahead: 30 days"));
    horizonBox->setValue(current.horizonDays);
    cushionBox = NewAmountBox(this, QStringLiteral("cushionBox"));
    cushionBox->setText(ledger::DollarText(current.cushionCents));
    cushionBox->setMaximumWidth(horizonBox->sizeHint().width() * 2);
    auto* settings = new QFormLayout;
    settings->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    settings->addRow(tr("&Look ahead:"), horizonBox);
    settings->addRow(tr("&Warn below:"), cushionBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(listRow, 1);
    layout->addLayout(settings);
    layout->addWidget(buttons);

    connect(addScheduleButton, &QPushButton::clicked, this, &SchedulesWindow::AddSchedule);
    connect(editScheduleButton, &QPushButton::clicked, this, &SchedulesWindow::EditSchedule);
    connect(deleteScheduleButton, &QPushButton::clicked, this, &SchedulesWindow::DeleteSchedule);
    connect(scheduleList, &QTreeWidget::itemActivated, this, &SchedulesWindow::EditSchedule);
    connect(scheduleList, &QTreeWidget::currentItemChanged, this, &SchedulesWindow::UpdateButtons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SchedulesWindow::KeepSchedules);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FillList(schedules.empty() ? -1 : 0);
}

void SchedulesWindow::FillList(int select) {
    const platform::LocaleCodec codec;
    scheduleList->clear();
    for (const ledger::Schedule& schedule : schedules) {
        auto* item = new QTreeWidgetItem(scheduleList);
        item->setText(TypeColumn, ScheduleKindText(ScheduleKinds[size_t(ScheduleKindIndex(schedule))]));
        item->setText(DescriptionColumn, schedule.description);
        item->setText(AmountColumn, ScheduleAmountText(schedule, codec));
        item->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(RuleColumn, RuleText(schedule.rule, codec));
        item->setText(NextColumn, NextDueText(schedule, codec));
    }
    if (select >= 0 && select < scheduleList->topLevelItemCount())
        scheduleList->setCurrentItem(scheduleList->topLevelItem(select));
    UpdateButtons();
}

int SchedulesWindow::SelectedIndex() const {
    return scheduleList->currentItem() ? scheduleList->indexOfTopLevelItem(scheduleList->currentItem()) : -1;
}

void SchedulesWindow::UpdateButtons() {
    const bool selected = SelectedIndex() >= 0;
    editScheduleButton->setEnabled(selected);
    deleteScheduleButton->setEnabled(selected);
}

void SchedulesWindow::AddSchedule() {
    ScheduleEditor editor(this, NewSchedule(today), today);
    if (editor.exec() != QDialog::Accepted)
        return;
    schedules.push_back(*editor.Edited());
    FillList(int(schedules.size()) - 1);
}

void SchedulesWindow::EditSchedule() {
    const int index = SelectedIndex();
    if (index < 0)
        return;
    ScheduleEditor editor(this, schedules[size_t(index)], today);
    if (editor.exec() != QDialog::Accepted)
        return;
    schedules[size_t(index)] = *editor.Edited();
    FillList(index);
}

void SchedulesWindow::DeleteSchedule() {
    const int index = SelectedIndex();
    if (index < 0)
        return;
    const QString question = tr("Delete the schedule %1?").arg(schedules[size_t(index)].description);
    if (platform::MsgBox(question, platform::Buttons::OkCancel) != platform::Answer::Ok)
        return;
    schedules.erase(schedules.begin() + index);
    FillList(std::min(index, int(schedules.size()) - 1));
}

void SchedulesWindow::KeepSchedules() {
    const std::optional<int64_t> cushion =
        ReadAmountCents(cushionBox, tr("The balance to warn below must be an amount such as %1."));
    if (!cushion)
        return;
    values = {schedules, horizonBox->value(), *cushion};
    accept();
}
