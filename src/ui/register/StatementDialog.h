#pragma once
// Asks for a bank statement's closing date and ending balance, to balance the register against it. Created for
// each showing, modal over its owner; OK is offered only while the balance is an amount the ledger can keep.

#include <QDialog>
#include <cstdint>

class QLineEdit;
class QPushButton;
namespace platform {
class DatePicker;
}

class StatementDialog : public QDialog {
    Q_OBJECT
public:
    explicit StatementDialog(QWidget* owner);

    // The closing date as a day count and the ending balance in whole cents, as typed; valid once accepted.
    double Day() const;
    int64_t BalanceCents() const;

    // Key filter of the balance box: the amount filter's keys, and a minus sign in front for an overdrawn account.
    static bool IsBalanceText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::DatePicker* StatementDate = nullptr;
    QLineEdit* StatementBalance = nullptr;
    QPushButton* OKButton = nullptr;
};
