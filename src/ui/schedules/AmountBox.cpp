#include "ui/schedules/AmountBox.h"

#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "platform/widgets/TextRuleValidator.h"
#include "register/RegisterModel.h"

#include <QLineEdit>
#include <cmath>

QLineEdit* NewAmountBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new platform::TextRuleValidator(&ledger::IsDollarText, box));
    return box;
}

std::optional<int64_t> ReadAmountCents(QLineEdit* box, const QString& what) {
    const QString text = box->text();
    if (RegisterModel::IsValidAmountText(text))
        return std::llround(*platform::ToDouble(text) * 100.0);
    // An amount in range that the record's float would round is refused with the rounding it would suffer.
    const std::optional<double> value = platform::ToDouble(text);
    if (ledger::IsDollarText(text) && value && *value <= ledger::MaxAmount)
        platform::MsgBox(platform::MoneyNotKeptText(*value));
    else
        platform::MsgBox(QStringLiteral("The %1 must be an amount such as %2.").arg(what, ledger::DollarText(123450)));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    return std::nullopt;
}
