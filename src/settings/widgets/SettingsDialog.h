#pragma once
// The settings dialog: the user name (a setting of the main window), the ledger's starting balance and its next
// check number. Created for each showing, modal over the main window; it reads the values when created and writes
// them only on OK, all together or none. Cancel, Escape and the close box write nothing.

#include <QDialog>

class frmMain;
class QLabel;
class QLineEdit;
class QPushButton;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(frmMain& owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void OKButton_Click();

    frmMain& owner;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label3 = nullptr;
};
