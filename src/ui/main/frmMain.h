#pragma once
// The main window: start-up and shutdown, transaction entry, the File, View and Setup menus, the status bar.
// It owns the program's settings while it runs and offers the public members the other windows use.

#include "ui/register/frmRegister.h"

#include <QMainWindow>
#include <QStringList>
#include <cstdint>

class CaptionFrame;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStatusBar;
namespace platform {
class DatePicker;
}
namespace ledger {
enum class DiskChangeAnswer;
}

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Initialization: reads the settings; `arguments` are the program's arguments after its own name.
    explicit frmMain(const QStringList& arguments, QWidget* parent = nullptr);
    ~frmMain() override;

    static QString AppName();
    static QString AppDescription();
    static QString AppCopyright();
    // The settings key below HKEY_CURRENT_USER.
    static QString SettingsKey();

    QString UserName() const;
    void SetUserName(const QString& str);

    // Height of the register window in twips; 0 while none is known.
    int32_t RegHeight = 0;

    // Shows the Open (bOpen) or Save dialog; a chosen path becomes the ledger's data file name.
    bool PromptForFileName(const bool& bOpen);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (frmMain.cpp).
    void BuildCheckFrame(QWidget* client);
    void BuildDepositFrame(QWidget* client);
    void BuildButtons(QWidget* client);
    void BuildMenus();
    void BuildStatusBar();
    void SetTabOrder();
    void ConnectEvents();

    // Start-up and shutdown (frmMainStartup.cpp).
    void Form_Initialize(const QStringList& arguments);
    void Form_Load();
    bool PromptToSaveData();
    void SaveSettings();
    void UpdateStatusBar();
    // What the register shows of the schedules: today, the horizon and cushion of the settings.
    static frmRegister::LookAhead RegisterLookAhead();

    // Transaction entry (frmMainEntry.cpp).
    void ResetEntryFields();
    void DisableCheckEntry();
    void DisableDepositEntry();
    void FillPayeeList();
    void CheckFieldGotFocus();
    void DepositFieldGotFocus();
    void DepositKind_Click(int16_t entryType);
    void Option5_Click();
    void Option6_Click();
    // The payee's address last used fills the address, unless the user entered one for this check.
    void Payee_Changed(const QString& payee);
    // The category last given to the payee or description fills its frame's box, unless the user chose one: the box
    // holds something other than what was filled in last (`filled`).
    static void FillLastCategory(QComboBox* box, QString& filled, const QString& payee);
    // Both frames' category boxes list the ledger's categories as they stand.
    void FillCategoryLists();
    void Address_Click();
    void ShowEnteredAddress();
    bool AmountKeyPress(QLineEdit* box, QKeyEvent* event);
    void Command1_Click();
    void Command2_Click();

    // File commands (frmMainFileCommands.cpp).
    void New_Click();
    void Open_Click();
    // File ▸ Open Recent: the ledgers opened or saved last, filled as the menu opens.
    void OpenRecent_AboutToShow();
    void OpenRecentLedger(const QString& path);
    // Opens the data file name just chosen; when that fails, the ledger in memory keeps `previousFile`.
    void OpenChosenLedger(const QString& previousFile);
    void SaveChart();
    // Saves the ledger under a name the user chooses; the window goes on with that file.
    void SaveAs_Click();
    // A bank statement into the ledger, after a preview of what each of its lines would become.
    void Import_Click();
    // The register through the print dialog, which also writes PDF files.
    void PrintRegister_Click();
    // The checks waiting to print (and any other to print again) onto the forms in the printer.
    void PrintChecks_Click();
    void ShowNextCheckNumber();

    // The ledger file as one writer holds it (frmMainLedgerAccess.cpp).
    // Loads DataFileName, holding it first; a file another copy holds is opened read-only if the user agrees.
    // False when nothing was loaded (the load failed or the user cancelled).
    bool OpenLedgerFile();
    // Offers the unsaved changes that a crashed copy left for the ledger at `path` (empty: a ledger never saved).
    // False when the user keeps them for later: the file they were made to must not be changed meanwhile.
    bool OfferRecovery(const QString& path);
    static ledger::DiskChangeAnswer AskAboutDiskChange(const QString& path, bool vanished);
    // Read-only: every command that would change the ledger is off, and the title says so.
    void SetReadOnly(bool readOnly);
    // After a ledger was opened or recovered: the status bar, payees, check number and Show Register.
    void ShowOpenedLedger();

    // Commands that open the other windows (frmMainWindows.cpp).
    void Options_Click();
    void Associate_Click();
    // Asks for a statement's date and ending balance, then opens the register balanced against it.
    void BalanceToStatement_Click();
    // The ledger's schedules and the look ahead's horizon and cushion, edited in the Schedules window.
    void Schedules_Click();
    // The balance over time and its forecast through the horizon, from the ledger as it stands.
    void BalanceChart_Click();
    // The ledger's categories and import rules, changed in place with undo.
    void Categories_Click();
    // Spending and income by category, month and payee for a period.
    void Reports_Click();
    void Command4_Click();
    void Command5_Click();

    QString userName;
    bool SettingsChanged = false;
    bool ReadOnlyLedger = false;

    int16_t EntryType = 0;
    bool CheckEntryActive = false;
    bool CheckEntryDisabled = false;
    bool DepositEntryDisabled = false;

    CaptionFrame* Frame1 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Text4 = nullptr;
    platform::DatePicker* DTPicker1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* txtMemo = nullptr;
    QPushButton* cmdAddress = nullptr;
    QCheckBox* chkPrintLater = nullptr;
    // The address the check being written gets; typed by the user, or the payee's last one.
    QStringList EnteredAddress;
    bool AddressTyped = false;
    QComboBox* cboCategory = nullptr;
    QString FilledCategory;

    CaptionFrame* Frame2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    platform::DatePicker* DTPicker2 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text6 = nullptr;
    QComboBox* cboCategory2 = nullptr;
    QString FilledCategory2;

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;

    QAction* New = nullptr;
    QAction* Open = nullptr;
    QMenu* OpenRecent = nullptr;
    QAction* Save = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Import = nullptr;
    QAction* PrintRegister = nullptr;
    QAction* PrintChecks = nullptr;
    QAction* Exit = nullptr;
    QAction* BalanceChart = nullptr;
    QAction* Reports = nullptr;
    QAction* Associate = nullptr;
    QAction* Options = nullptr;
    QAction* BalanceToStatement = nullptr;
    QAction* Schedules = nullptr;
    QAction* Categories = nullptr;

    QStatusBar* StatusBar1 = nullptr;
    QLabel* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* Panel3 = nullptr;
    QLabel* Panel4 = nullptr;
};
