// A list of the run's forms with a tick each; OK only once one is ticked.
#include "ui/checks/SpoiledFormsDialog.h"

#include "platform/Locale.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SpoiledFormsDialog::SpoiledFormsDialog(QWidget* owner, const std::vector<print::LedgerCheck>& run)
    : QDialog(owner), run(run) {
    setObjectName(QStringLiteral("SpoiledFormsDialog"));
    setWindowTitle(tr("Checks Not Printed"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("Tick each form that did not print correctly. The first of them and every check "
                                  "after it wait to be printed again, on new forms."),
                               this);
    caption->setWordWrap(true);
    layout->addWidget(caption);
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("lstSpoiledForms"));
    for (const print::LedgerCheck& check : run) {
        auto* item =
            new QListWidgetItem(tr("Check %1: %2, %3")
                                    .arg(QString::number(check.record.CheckNumber), check.record.Description.trimmed(),
                                         platform::FormatMoney(check.record.Amount)),
                                list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    caption->setBuddy(list);
    layout->addWidget(list);
    voidForms = new QCheckBox(tr("Record the ticked forms as voided checks"), this);
    voidForms->setObjectName(QStringLiteral("chkVoidSpoiled"));
    voidForms->setChecked(true);
    layout->addWidget(voidForms);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(list, &QListWidget::itemChanged, this, [this, ok] { ok->setEnabled(FirstSpoiled().has_value()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<size_t> SpoiledFormsDialog::FirstSpoiled() const {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            return size_t(row);
    return std::nullopt;
}

std::vector<print::LedgerCheck> SpoiledFormsDialog::FormsToVoid() const {
    std::vector<print::LedgerCheck> forms;
    if (!voidForms->isChecked())
        return forms;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            forms.push_back(run[size_t(row)]);
    return forms;
}
