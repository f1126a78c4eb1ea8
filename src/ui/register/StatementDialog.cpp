#include "ui/register/StatementDialog.h"

#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/widgets/DatePicker.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/TextRuleValidator.h"
#include "platform/widgets/TypedText.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace {
QString WithoutMinus(const QString& text) {
    return text.startsWith(QLatin1Char('-')) ? text.mid(1) : text;
}
} // namespace

StatementDialog::StatementDialog(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("BalanceToStatement"));
    setWindowTitle(tr("Balance to Statement"));
    setModal(true);

    StatementDate = new platform::DatePicker(this);
    StatementDate->setObjectName(QStringLiteral("StatementDate"));
    StatementDate->SetValue(platform::DateFromDayCount(platform::Today()));
    StatementBalance = new QLineEdit(this);
    StatementBalance->setObjectName(QStringLiteral("StatementBalance"));
    StatementBalance->setValidator(new platform::TextRuleValidator(&StatementDialog::IsBalanceText, this));
    StatementBalance->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OKButton = buttons->button(QDialogButtonBox::Ok);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    OKButton->setDefault(true);
    OKButton->setEnabled(false);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Statement &date:"), StatementDate);
    form->addRow(tr("Ending &balance:"), StatementBalance);
    form->addRow(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(StatementBalance, &QLineEdit::textChanged, this, [this](const QString& text) {
        OKButton->setEnabled(!WithoutMinus(text).isEmpty() && platform::ToMoney(text).has_value());
    });
}

bool StatementDialog::IsBalanceText(const QString& text) {
    return ledger::IsDollarText(WithoutMinus(text));
}

double StatementDialog::Day() const {
    return platform::DayCountFromDate(StatementDate->Value());
}

int64_t StatementDialog::BalanceCents() const {
    // ToMoney keeps the ledger's range; the cents come from the double, as a float loses them on large balances.
    if (!platform::ToMoney(StatementBalance->text()))
        return 0;
    return std::llround(platform::ToDouble(StatementBalance->text()).value_or(0) * 100.0);
}

// The amount filter judges the digits; a minus sign may only go in front, once.
bool StatementDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != StatementBalance || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Enter and Escape answer the dialog; shortcuts such as paste go to the box (the validator judges them).
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier) || key->key() == Qt::Key_Return ||
        key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape)
        return false;
    const int keyAscii = platform::KeyAsciiOf(key);
    if (keyAscii == 0)
        return false;
    const QString rest = platform::TextOutsideSelection(*StatementBalance);
    const int at =
        StatementBalance->hasSelectedText() ? StatementBalance->selectionStart() : StatementBalance->cursorPosition();
    if (keyAscii == '-')
        return at != 0 || rest.startsWith(QLatin1Char('-'));
    if (at == 0 && rest.startsWith(QLatin1Char('-')) && keyAscii != 8)
        return true; // nothing goes before the sign
    const int16_t typed = ledger::IsDollarAmt(int16_t(keyAscii), WithoutMinus(rest));
    if (typed != 0 && QString(QChar(typed)) != key->text()) {
        StatementBalance->insert(QString(QChar(typed)));
        return true;
    }
    if (typed == 0 && keyAscii == '.') // the decimal point of another locale: the user hears it is not taken
        QApplication::beep();
    return typed == 0;
}
