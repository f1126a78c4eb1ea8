#include "platform/widgets/TextRuleValidator.h"

namespace platform {

TextRuleValidator::TextRuleValidator(std::function<bool(const QString&)> rule, QObject* parent)
    : QValidator(parent), rule(std::move(rule)) {}

QValidator::State TextRuleValidator::validate(QString& input, int&) const {
    return rule(input) ? Acceptable : Invalid;
}

} // namespace platform
