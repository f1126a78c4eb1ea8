// Four boxes of one address line each: the store's limits are the boxes' lengths, so what OK offers is kept whole.
#include "ui/main/PayeeAddressDialog.h"

#include "ledger/CheckDetails.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

PayeeAddressDialog::PayeeAddressDialog(QWidget* owner, const QStringList& lines) : QDialog(owner) {
    setObjectName(QStringLiteral("PayeeAddressDialog"));
    setWindowTitle(tr("Payee's Address"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("The address printed where a window envelope shows it:"), this);
    layout->addWidget(caption);
    for (int line = 0; line < ledger::MaxAddressLines; ++line) {
        auto* box = new QLineEdit(lines.value(line), this);
        box->setObjectName(QStringLiteral("txtAddressLine%1").arg(line + 1));
        box->setMaxLength(ledger::MaxAddressLineLength);
        box->setAccessibleName(tr("Address line %1").arg(line + 1));
        // Wide enough for a full line of the longest the store keeps.
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * ledger::MaxAddressLineLength / 2);
        layout->addWidget(box);
        boxes.push_back(box);
    }
    caption->setBuddy(boxes.front());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QStringList PayeeAddressDialog::Lines() const {
    QStringList lines;
    for (const QLineEdit* box : boxes)
        lines << box->text();
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}
