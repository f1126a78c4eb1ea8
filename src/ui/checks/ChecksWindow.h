#pragma once
// File ▸ Print Checks...: the checks waiting to print (any other can be ticked to print again), the number of the
// first form loaded in the printer, the check stock and its offsets; prints through the print dialog or to a PDF
// file, then asks how the forms came out. Modal over the main window; it changes the store as it goes.

#include "ui/checks/CheckQueue.h"

#include <QDialog>
#include <set>

class QCheckBox;
class QComboBox;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTreeWidget;

class ChecksWindow : public QDialog {
    Q_OBJECT
public:
    explicit ChecksWindow(QWidget* owner);

private:
    void FillList();
    void Ticked();
    void FormatChosen();
    void OffsetChanged();
    std::optional<print::CheckFormat> ChosenFormat() const;
    print::CheckOffset ChosenOffset() const;
    // The ticked checks, by number.
    std::vector<print::LedgerCheck> TickedChecks() const;
    // Renumbers them onto the forms when the user agrees; false when the run cannot or should not go on.
    bool MatchForms(std::vector<print::LedgerCheck>& run, std::vector<int>& forms);
    // The system's print dialog for `document` on US Letter; false when the user cancels it.
    bool ChoosePrinter(QPrinter& printer, const QString& document, const QString& title);
    void PrintRun(bool toPdf);
    // Asks how the forms of `run` came out and leaves the queue accordingly.
    void AskHowItPrinted(const std::vector<print::LedgerCheck>& run);
    void PrintAlignmentSheet();
    // Takes the last run's voided checks back out of the ledger, or puts them back in.
    void UndoOrRedoVoids();

    std::vector<print::LedgerCheck> all;
    std::vector<int16_t> lastVoids; // slots of the voided checks the last run recorded
    bool voidsTakenBack = false;
    std::set<int16_t> ticked; // slots
    bool firstFormTyped = false;

    QTreeWidget* list = nullptr;
    QCheckBox* showAll = nullptr;
    QSpinBox* firstForm = nullptr;
    QComboBox* format = nullptr;
    QSpinBox* right = nullptr;
    QSpinBox* down = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* pdfButton = nullptr;
    QPushButton* alignmentButton = nullptr;
    QPushButton* undoVoidButton = nullptr;
};
