#pragma once
// The windows of an import: the column mapping of a CSV statement, chosen once per header line, the account of a
// statement that holds several, and the preview
// that lists what the import would do to every statement line before anything is added.

#include "import/ImportPlan.h"
#include "import/Statement.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class CsvMappingDialog : public QDialog {
    Q_OBJECT
public:
    // Offers the header's field names (or "Column 1 (its first value)" for a file without a header), with
    // GuessCsvMapping selected first; the date order follows the values of the date column chosen, and a sample
    // shows the first lines as they would be read, dates with the month's name.
    CsvMappingDialog(QWidget* parent, const QByteArray& statement);
    import::CsvMapping Mapping() const;

private:
    void OfferColumns();
    void UpdateControls();

    const QByteArray statement;
    QCheckBox* header = nullptr;
    QComboBox* dateColumn = nullptr;
    QComboBox* dateOrder = nullptr;
    QComboBox* amountColumn = nullptr;
    QComboBox* directionColumn = nullptr;
    QComboBox* debitColumn = nullptr;
    QComboBox* creditColumn = nullptr;
    QComboBox* payeeColumn = nullptr;
    QComboBox* payeeMoreColumn = nullptr;
    QComboBox* checkColumn = nullptr;
    QComboBox* typeColumn = nullptr;
    QComboBox* statusColumn = nullptr;
    QComboBox* categoryColumn = nullptr;
    QComboBox* splitColumn = nullptr;
    QComboBox* decimalSeparator = nullptr;
    QLabel* sample = nullptr;
    QPushButton* OKButton = nullptr;
};

// A statement of several accounts: which one goes into this ledger.
class AccountDialog : public QDialog {
    Q_OBJECT
public:
    AccountDialog(QWidget* parent, const std::vector<import::StatementAccount>& accounts);
    QString Account() const;

private:
    QListWidget* lstAccounts = nullptr;
};

class ImportPreview : public QDialog {
    Q_OBJECT
public:
    // `notes` (the reader's, and OpeningNote) are shown above the summary, a line each. The category of each line to
    // add is edited in `plan`, and the rules made here are added to it.
    ImportPreview(QWidget* parent, const QString& statementName, import::ImportPlan& plan, const QStringList& notes);

    // What the preview says will happen to a line: "Add as Deposit", "Skip: duplicate of 1/5/2009 Phone 30.00", ...
    static QString WhatHappens(const import::PlannedLine& line);

private:
    static QString AddAs(int typeCode, int checkNumber);
    void ShowCategory(int row);
    void CategoryTyped(QTableWidgetItem* item);
    void MakeRule();
    void ShowRules();

    import::ImportPlan& plan;
    QStringList categories; // offered while typing: the ledger's and the statement's
    QTableWidget* table = nullptr;
    QPushButton* ruleButton = nullptr;
    QLabel* rules = nullptr;
};
