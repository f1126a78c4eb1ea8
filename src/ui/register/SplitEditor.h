#pragma once
// The parts of a split transaction, each with a category (completed from the ledger's list), a memo and an amount,
// which must add up to the transaction's amount to the cent: a label says what is left to assign, and OK is refused
// while anything is left or a part cannot be kept. It takes values and gives values back, so that any window can
// split a transaction with it. Created for each showing, modal over its owner.

#include "model/Category.h"
#include "platform/LocaleCodec.h"

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

class SplitEditor : public QDialog {
    Q_OBJECT
public:
    // `cents`: the transaction's amount, in its own sense as the parts' are. A transaction not split yet starts
    // with its category taking the whole amount and an empty second part.
    SplitEditor(QWidget* owner, const QString& payee, int64_t cents, const ledger::CategoryAssignment& assignment,
                const QStringList& categories);

    // Once accepted: the parts, their categories tidied (ledger::NormalizedCategory).
    std::vector<ledger::SplitPart> Parts() const;
    // Accepted with Remove Split: the transaction goes back to one category.
    bool RemovesSplit() const { return removed; }
    // What the parts leave of the amount; nothing while a part's amount cannot be read.
    std::optional<int64_t> LeftCents() const;

    void accept() override;

private:
    void AddPart(const ledger::SplitPart& part);
    void AddPartClicked();
    void RemovePartClicked();
    void UpdateLeft();
    // A part's amount in cents, when its text is one.
    std::optional<int64_t> PartCents(int row) const;
    // Why the parts cannot be kept, or nothing when they can.
    QString Fault() const;

    platform::LocaleCodec codec;
    int64_t cents = 0;
    bool removed = false;
    QTableWidget* table = nullptr;
    QLabel* left = nullptr;
    QPushButton* addPart = nullptr;
    QPushButton* removePart = nullptr;
};
