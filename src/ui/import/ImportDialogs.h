#pragma once
// The windows of an import: the column mapping of a CSV statement, chosen once per header line, and the preview
// that lists what the import would do to every statement line before anything is added.

#include "import/ImportPlan.h"
#include "import/Statement.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;

class CsvMappingDialog : public QDialog {
    Q_OBJECT
public:
    // `columns` are the header's field names; `guess` is selected first.
    CsvMappingDialog(QWidget* parent, const QStringList& columns, const import::CsvMapping& guess);
    import::CsvMapping Mapping() const;

private:
    void UpdateControls();

    QComboBox* cboDate = nullptr;
    QComboBox* cboDateOrder = nullptr;
    QComboBox* cboAmount = nullptr;
    QComboBox* cboDebit = nullptr;
    QComboBox* cboCredit = nullptr;
    QComboBox* cboPayee = nullptr;
    QComboBox* cboCheck = nullptr;
    QComboBox* cboDecimal = nullptr;
    QPushButton* OKButton = nullptr;
};

class ImportPreview : public QDialog {
    Q_OBJECT
public:
    ImportPreview(QWidget* parent, const QString& statementName, import::Format format, const import::ImportPlan& plan);

    // What the preview says will happen to a line: "Add as Deposit", "Skip: duplicate of record 4", ...
    static QString WhatHappens(const import::PlannedLine& line, import::Format format);
};
