#include "ui/register/AddressDialog.h"

#include "ledger/CheckDetails.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

static_assert(ledger::MaxAddressLines == 4);

AddressDialog::AddressDialog(QWidget* owner, const QString& payee, const QStringList& address) : QDialog(owner) {
    setObjectName(QStringLiteral("AddressDialog"));
    setWindowTitle(tr("Address"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Address of %1, as a window envelope shows it:").arg(payee), this);
    label->setWordWrap(true);
    layout->addWidget(label);
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i] = new QLineEdit(address.value(qsizetype(i)), this);
        lines[i]->setObjectName(QStringLiteral("AddressLine%1").arg(i + 1));
        lines[i]->setMaxLength(ledger::MaxAddressLineLength);
        lines[i]->setAccessibleName(tr("Address line %1").arg(i + 1));
        layout->addWidget(lines[i]);
    }
    label->setBuddy(lines[0]);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Wide enough for a whole line of the longest address.
    lines[0]->setMinimumWidth(lines[0]->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('M'))));
}

QStringList AddressDialog::Lines() const {
    QStringList out;
    for (const QLineEdit* line : lines)
        out << line->text();
    return out;
}
