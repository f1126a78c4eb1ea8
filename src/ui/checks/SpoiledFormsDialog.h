#pragma once
// Which forms of a print run did not print correctly (a jam, a misfeed): the first of them and every later check
// wait to print again; the ticked forms may be recorded as voided checks.

#include "ui/checks/CheckQueue.h"

#include <QDialog>

class QCheckBox;
class QListWidget;

class SpoiledFormsDialog : public QDialog {
    Q_OBJECT
public:
    SpoiledFormsDialog(QWidget* owner, const std::vector<print::LedgerCheck>& run);

    // The index in the run of the first ticked form; none while none is ticked.
    std::optional<size_t> FirstSpoiled() const;
    // The ticked forms when they are to be voided, else none.
    std::vector<print::LedgerCheck> FormsToVoid() const;

private:
    std::vector<print::LedgerCheck> run;
    QListWidget* list = nullptr;
    QCheckBox* voidForms = nullptr;
};
