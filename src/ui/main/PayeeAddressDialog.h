#pragma once
// The payee's address of the check being written: up to four lines, as a window envelope shows them. Modal over
// the main window; OK offers the lines (Lines()), Cancel leaves them as they were.

#include <QDialog>
#include <QStringList>
#include <vector>

class QLineEdit;

class PayeeAddressDialog : public QDialog {
    Q_OBJECT
public:
    PayeeAddressDialog(QWidget* owner, const QStringList& lines);

    // The lines as typed, without trailing empty ones.
    QStringList Lines() const;

private:
    std::vector<QLineEdit*> boxes;
};
