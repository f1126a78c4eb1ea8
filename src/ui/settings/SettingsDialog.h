#pragma once
// The settings dialog: the user name, the ledger's starting balance and its next check number. Created for each
// showing, modal over its owner; it shows the values it is given and, on OK, offers the edited ones as a whole
// (Values()); the caller applies them. Cancel, Escape and the close box reject the dialog.

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

struct SettingsValues {
    QString userName;
    float startingBalance = 0;
    int16_t nextCheckNumber = 0;
    bool operator==(const SettingsValues&) const = default;
};

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(QWidget* owner, const SettingsValues& current);

    // The values OK accepted; the given ones until then.
    SettingsValues Values() const { return values; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void OKButton_Click();

    SettingsValues values;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label3 = nullptr;
};
