#include "ui/schedules/AmountBox.h"

#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "platform/widgets/TextRuleValidator.h"

#include <QLineEdit>
#include <cmath>

QLineEdit* NewAmountBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new platform::TextRuleValidator(&ledger::IsDollarText, box));
    return box;
}

std::optional<int64_t> ReadAmountCents(QLineEdit* box, const QString& refusal) {
    const QString text = box->text();
    const platform::TypedMoney read = ledger::ReadDollarText(text);
    if (read.value)
        return std::llround(*platform::ToDouble(text) * 100.0);
    // An amount in range that the record's float would round is refused with the rounding it would suffer.
    if (!read.refusal.isEmpty())
        platform::MsgBox(read.refusal);
    else
        platform::MsgBox(refusal.arg(ledger::DollarText(123450)));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    return std::nullopt;
}
