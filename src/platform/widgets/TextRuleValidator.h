#pragma once
// Holds a text box to a rule for everything that reaches it without a key filter: pasted, dropped or
// middle-click-pasted text that would break the rule is refused as a whole. Text set by the program is not checked.

#include <QValidator>
#include <functional>

namespace platform {

class TextRuleValidator : public QValidator {
    Q_OBJECT
public:
    TextRuleValidator(std::function<bool(const QString&)> rule, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::function<bool(const QString&)> rule;
};

} // namespace platform
