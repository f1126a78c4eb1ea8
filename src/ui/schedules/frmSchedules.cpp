#include "ui/schedules/frmSchedules.h"

#include "model/TransactionRules.h"
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

frmSchedules::frmSchedules(QWidget* owner, const SchedulesValues& current, double today)
    : QDialog(owner), values(current), schedules(current.schedules), today(today) {
    setObjectName(QStringLiteral("frmSchedules"));
    setWindowTitle(QStringLiteral("Schedules"));
    setModal(true);

    lstSchedules = new QTreeWidget(this);
    lstSchedules->setObjectName(QStringLiteral("lstSchedules"));
    lstSchedules->setHeaderLabels({QStringLiteral("Type"), QStringLiteral("Description"), QStringLiteral("Amount"),
                                   QStringLiteral("Repeats"), QStringLiteral("Next")});
    lstSchedules->headerItem()->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
    lstSchedules->setRootIsDecorated(false);
    lstSchedules->setUniformRowHeights(true);
    lstSchedules->setAllColumnsShowFocus(true);
    lstSchedules->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstSchedules->header()->setStretchLastSection(false);
    lstSchedules->header()->setSectionResizeMode(DescriptionColumn, QHeaderView::Stretch);
    lstSchedules->setMinimumSize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 14);

    cmdAdd = Button(this, "cmdAdd", QStringLiteral("&Add..."));
    cmdEdit = Button(this, "cmdEdit", QStringLiteral("&Edit..."));
    cmdDelete = Button(this, "cmdDelete", QStringLiteral("&Delete"));
    auto* commands = new QVBoxLayout;
    for (QPushButton* button : {cmdAdd, cmdEdit, cmdDelete})
        commands->addWidget(button);
    commands->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lstSchedules, 1);
    listRow->addLayout(commands);

    spnHorizon = new QSpinBox(this);
    spnHorizon->setObjectName(QStringLiteral("spnHorizon"));
    spnHorizon->setRange(1, MaxHorizonDays);
    spnHorizon->setSuffix(QStringLiteral(" days"));
    spnHorizon->setValue(current.horizonDays);
    txtCushion = NewAmountBox(this, QStringLiteral("txtCushion"));
    txtCushion->setText(ledger::DollarText(current.cushionCents));
    txtCushion->setMaximumWidth(spnHorizon->sizeHint().width() * 2);
    auto* settings = new QFormLayout;
    settings->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    settings->addRow(QStringLiteral("&Look ahead:"), spnHorizon);
    settings->addRow(QStringLiteral("&Warn below:"), txtCushion);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(listRow, 1);
    layout->addLayout(settings);
    layout->addWidget(buttons);

    connect(cmdAdd, &QPushButton::clicked, this, &frmSchedules::Add_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmSchedules::Edit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmSchedules::Delete_Click);
    connect(lstSchedules, &QTreeWidget::itemActivated, this, &frmSchedules::Edit_Click);
    connect(lstSchedules, &QTreeWidget::currentItemChanged, this, &frmSchedules::UpdateButtons);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmSchedules::OKButton_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FillList(schedules.empty() ? -1 : 0);
}

void frmSchedules::FillList(int select) {
    const platform::LocaleCodec codec;
    lstSchedules->clear();
    for (const ledger::Schedule& schedule : schedules) {
        auto* item = new QTreeWidgetItem(lstSchedules);
        item->setText(TypeColumn, ScheduleKindText(ScheduleKinds[size_t(ScheduleKindIndex(schedule))]));
        item->setText(DescriptionColumn, schedule.description);
        item->setText(AmountColumn, ScheduleAmountText(schedule, codec));
        item->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(RuleColumn, RuleText(schedule.rule, codec));
        item->setText(NextColumn, NextDueText(schedule, codec));
    }
    if (select >= 0 && select < lstSchedules->topLevelItemCount())
        lstSchedules->setCurrentItem(lstSchedules->topLevelItem(select));
    UpdateButtons();
}

int frmSchedules::SelectedIndex() const {
    return lstSchedules->currentItem() ? lstSchedules->indexOfTopLevelItem(lstSchedules->currentItem()) : -1;
}

void frmSchedules::UpdateButtons() {
    const bool selected = SelectedIndex() >= 0;
    cmdEdit->setEnabled(selected);
    cmdDelete->setEnabled(selected);
}

void frmSchedules::Add_Click() {
    ScheduleEditor editor(this, NewSchedule(today), today);
    if (editor.exec() != QDialog::Accepted)
        return;
    schedules.push_back(*editor.Edited());
    FillList(int(schedules.size()) - 1);
}

void frmSchedules::Edit_Click() {
    const int index = SelectedIndex();
    if (index < 0)
        return;
    ScheduleEditor editor(this, schedules[size_t(index)], today);
    if (editor.exec() != QDialog::Accepted)
        return;
    schedules[size_t(index)] = *editor.Edited();
    FillList(index);
}

void frmSchedules::Delete_Click() {
    const int index = SelectedIndex();
    if (index < 0)
        return;
    const QString question = QStringLiteral("Delete the schedule %1?").arg(schedules[size_t(index)].description);
    if (platform::MsgBox(question, platform::Buttons::OkCancel) != platform::Answer::Ok)
        return;
    schedules.erase(schedules.begin() + index);
    FillList(std::min(index, int(schedules.size()) - 1));
}

void frmSchedules::OKButton_Click() {
    const std::optional<int64_t> cushion = ReadAmountCents(txtCushion, QStringLiteral("balance to warn below"));
    if (!cushion)
        return;
    values = {schedules, spnHorizon->value(), *cushion};
    accept();
}
