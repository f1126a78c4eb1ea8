// Transaction entry: the two frames, their exclusive activation, the money key filter, Add and Clear.
#include "ui/main/frmMain.h"

#include "ledger/Categories.h"
#include "ledger/ChangeBatch.h"
#include "ledger/CheckDetails.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerRules.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "platform/widgets/DatePicker.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/TypedText.h"
#include "ui/main/CaptionFrame.h"
#include "ui/register/AddressDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <optional>

namespace {

const QColor ActiveCaption(255, 0, 0);
const QColor IdleCaption(Qt::black);

// An option button of an exclusive group cannot be unchecked while it is exclusive.
void Deselect(QRadioButton* option) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

void IncompleteData() {
    platform::MsgBox(frmMain::tr("Incomplete or incorrect data"));
}

// Only what the amount filter lets a user type is an amount: no sign, exponent, currency or grouping. One that the
// record would not keep to the cent is refused with the reason, and `told` is set.
std::optional<float> ReadAmount(const QLineEdit* box, bool& told) {
    const platform::TypedMoney read = ledger::ReadDollarText(box->text());
    told = !read.refusal.isEmpty();
    if (told)
        platform::MsgBox(read.refusal);
    return read.value;
}

// A check number the register already has is most often a typing slip: the user decides, seeing the check that
// has it. No leaves the entry as typed, for correction.
bool ConfirmCheckNumber(int16_t checkNumber) {
    const std::optional<ledger::TransactionRecord> check = ledger::FindCheck(checkNumber);
    if (!check)
        return true;
    const QString text = frmMain::tr("Check %1 is already in the register (%2, %3, %4). Add it anyway?")
                             .arg(QString::number(checkNumber), check->Description.trimmed(),
                                  platform::FormatShortDate(check->Date), platform::FormatMoney(check->Amount));
    return platform::MsgBox(text, platform::Buttons::YesNo, platform::ProgramTitle(), platform::Icon::Question,
                            platform::Answer::No) == platform::Answer::Yes;
}

constexpr int AddedMessageMilliseconds = 5000;

// "Check 1102 to Autohaus Meier, 420.00 added", "Deposit Salary, 1,842.17 added": the payee as the record keeps it.
// One whole sentence per type, so that a translation can order and inflect its words.
QString AddedText(int16_t checkNumber, float amount, const QString& description, int16_t typeCode) {
    const QString payee = ledger::FixDescription(description).trimmed();
    const QString money = platform::FormatMoney(amount);
    const bool named = !payee.isEmpty();
    switch (typeCode) {
    case ledger::CheckOrPayment:
        if (ledger::IsCheck(typeCode, checkNumber)) {
            const QString number = QString::number(checkNumber);
            return named ? frmMain::tr("Check %1 to %2, %3 added").arg(number, payee, money)
                         : frmMain::tr("Check %1, %2 added").arg(number, money);
        }
        return named ? frmMain::tr("Payment to %1, %2 added").arg(payee, money)
                     : frmMain::tr("Payment, %1 added").arg(money);
    case ledger::Withdrawal:
        return named ? frmMain::tr("Withdrawal %1, %2 added").arg(payee, money)
                     : frmMain::tr("Withdrawal, %1 added").arg(money);
    case ledger::Fee:
        return named ? frmMain::tr("Fee %1, %2 added").arg(payee, money) : frmMain::tr("Fee, %1 added").arg(money);
    case ledger::Deposit:
        return named ? frmMain::tr("Deposit %1, %2 added").arg(payee, money)
                     : frmMain::tr("Deposit, %1 added").arg(money);
    case ledger::Interest:
        return named ? frmMain::tr("Interest %1, %2 added").arg(payee, money)
                     : frmMain::tr("Interest, %1 added").arg(money);
    default:
        return {};
    }
}

} // namespace

void frmMain::ResetEntryFields() {
    Text4->setEnabled(true);
    Text4->setText(QString::number(ledger::GetNextCheckNumber()));
    DTPicker1->setEnabled(true);
    DTPicker1->SetValue(QDate::currentDate());
    Text3->setEnabled(true);
    Text3->clear();
    Combo1->setEnabled(true);
    Combo1->setEditText(QString());
    txtMemo->setEnabled(true);
    txtMemo->clear();
    for (QComboBox* box : {cboCategory, cboCategory2}) {
        box->setEnabled(true);
        box->setEditText(QString());
    }
    FilledCategory.clear();
    FilledCategory2.clear();
    cmdAddress->setEnabled(true);
    AddressTyped = false;
    EnteredAddress.clear();
    ShowEnteredAddress();
    // "Print later" stays as it was: whoever prints their checks enters them one after another.
    chkPrintLater->setEnabled(!Option6->isChecked());
    for (QRadioButton* option : {Option1, Option2, Option3, Option4}) {
        option->setEnabled(true);
        Deselect(option);
    }
    Text6->setEnabled(true);
    Text6->clear();
    Text7->setEnabled(true);
    Text7->clear();
    DTPicker2->setEnabled(true);
    DTPicker2->SetValue(QDate::currentDate());
    CheckEntryActive = false;
    CheckEntryDisabled = false;
    DepositEntryDisabled = false;
    EntryType = 0;
    Frame1->SetCaptionColor(IdleCaption);
    Frame2->SetCaptionColor(IdleCaption);
}

void frmMain::DisableCheckEntry() {
    if (CheckEntryDisabled)
        return;
    for (QWidget* field : std::initializer_list<QWidget*>{Text4, DTPicker1, Text3, Combo1, txtMemo, cboCategory,
                                                          cmdAddress, chkPrintLater})
        field->setEnabled(false);
    CheckEntryDisabled = true;
    Frame1->SetCaptionColor(IdleCaption);
    Frame2->SetCaptionColor(ActiveCaption);
}

void frmMain::DisableDepositEntry() {
    if (DepositEntryDisabled)
        return;
    for (QWidget* field :
         std::initializer_list<QWidget*>{Option1, Option2, Option3, Option4, Text7, Text6, cboCategory2, DTPicker2})
        field->setEnabled(false);
    DepositEntryDisabled = true;
    Frame1->SetCaptionColor(ActiveCaption);
    Frame2->SetCaptionColor(IdleCaption);
}

void frmMain::FillPayeeList() {
    // Filling the list must not put a payee into the box: the first item added to an empty list would become the
    // current one.
    const QString typed = Combo1->currentText();
    ledger::TransactionRecord record;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record)) {
        if (record.TypeCode != ledger::CheckOrPayment)
            continue;
        const QString payee = record.Description.trimmed();
        if (Combo1->findText(payee, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
            continue;
        // The list is kept in alphabetical order, letter case aside, as the user expects to look it up.
        int index = 0;
        while (index < Combo1->count() && Combo1->itemText(index).compare(payee, Qt::CaseInsensitive) <= 0)
            ++index;
        Combo1->insertItem(index, payee);
    }
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(typed);
}

void frmMain::FillCategoryLists() {
    const QStringList categories = ledger::CategoryList();
    for (QComboBox* box : {cboCategory, cboCategory2}) {
        QStringList listed;
        for (int i = 0; i < box->count(); ++i)
            listed << box->itemText(i);
        if (listed == categories)
            continue;
        // As with the payees: refilling the list must not change what the box holds.
        const QString typed = box->currentText();
        box->clear();
        box->addItems(categories);
        box->setCurrentIndex(-1);
        box->setEditText(typed);
    }
}

void frmMain::FillLastCategory(QComboBox* box, QString& filled, const QString& payee) {
    const QString shown = box->currentText();
    if (!shown.isEmpty() && shown != filled)
        return;
    // An empty box is no payee: a transaction without a description gives nothing to the next one.
    filled = payee.trimmed().isEmpty() ? QString() : ledger::LastCategoryOf(payee);
    box->setEditText(filled);
}

void frmMain::CheckFieldGotFocus() {
    CheckEntryActive = true;
    DisableDepositEntry();
}

void frmMain::DepositFieldGotFocus() {
    CheckEntryActive = false;
    DisableCheckEntry();
}

void frmMain::DepositKind_Click(int16_t entryType) {
    CheckEntryActive = false;
    EntryType = entryType;
    DisableCheckEntry();
}

void frmMain::Option5_Click() {
    Label4->setVisible(true);
    Text4->setVisible(true);
    chkPrintLater->setEnabled(true);
}

// Only checks are printed: a payment has no form to print on.
void frmMain::Option6_Click() {
    Label4->setVisible(false);
    Text4->setVisible(false);
    chkPrintLater->setEnabled(false);
}

void frmMain::Payee_Changed(const QString& payee) {
    FillLastCategory(cboCategory, FilledCategory, payee);
    if (AddressTyped)
        return;
    EnteredAddress = ledger::LastAddressOf(payee);
    ShowEnteredAddress();
}

void frmMain::Address_Click() {
    AddressDialog dialog(this, Combo1->currentText().trimmed(), EnteredAddress);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QStringList lines = dialog.Lines();
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    if (lines == EnteredAddress)
        return;
    EnteredAddress = lines;
    AddressTyped = true;
    ShowEnteredAddress();
}

void frmMain::ShowEnteredAddress() {
    cmdAddress->setToolTip(EnteredAddress.join(QLatin1Char('\n')));
    // The button says whether the check has an address: its caption cannot show the lines.
    QFont font = cmdAddress->font();
    font.setBold(!EnteredAddress.isEmpty());
    cmdAddress->setFont(font);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == Text4 || watched == Text3 || watched == Combo1 || watched == txtMemo || watched == cmdAddress ||
            watched == chkPrintLater || watched == cboCategory)
            CheckFieldGotFocus();
        else if (watched == Text6 || watched == Text7 || watched == cboCategory2)
            DepositFieldGotFocus();
    } else if (event->type() == QEvent::KeyPress && (watched == Text3 || watched == Text6)) {
        return AmountKeyPress(static_cast<QLineEdit*>(watched), static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

// Filters the characters typed into an amount box; true swallows the key. Keys that type no character
// (arrows, Home, End, Delete), focus moves with Tab and shortcuts such as copy and paste are not typing and pass;
// Add refuses whatever a paste may bring that is no amount.
bool frmMain::AmountKeyPress(QLineEdit* box, QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Delete)
        return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const int keyAscii = platform::KeyAsciiOf(event);
    if (keyAscii == 0)
        return false;
    const int16_t typed = ledger::IsDollarAmt(int16_t(keyAscii), platform::TextOutsideSelection(*box));
    if (typed != 0 && QString(QChar(typed)) != event->text()) {
        // The numeric keypad's decimal key types the locale's decimal separator.
        box->insert(QString(QChar(typed)));
        return true;
    }
    if (typed == 0 && keyAscii == '.') // the decimal point of another locale: the user hears it is not taken
        QApplication::beep();
    return typed == 0;
}

void frmMain::Command1_Click() {
    int16_t typedCheckNumber = 0;
    double date = 0;
    float amount = 0;
    QString description;
    int16_t typeCode = ledger::CheckOrPayment;
    if (CheckEntryActive) {
        if (!Option6->isChecked()) {
            const std::optional<int16_t> number = platform::ToInteger(Text4->text());
            if (!number || *number < 1)
                return IncompleteData();
            typedCheckNumber = *number;
        }
        date = platform::DayCountFromDate(DTPicker1->Value());
        if (!platform::ShowIfFailed(ledger::CheckAfterLockDate(date)))
            return;
        bool told = false;
        const std::optional<float> entered = ReadAmount(Text3, told);
        if (told)
            return;
        if (!entered || Combo1->currentText().isEmpty())
            return IncompleteData();
        amount = *entered;
        description = Combo1->currentText();
    } else {
        date = platform::DayCountFromDate(DTPicker2->Value());
        if (!platform::ShowIfFailed(ledger::CheckAfterLockDate(date)))
            return;
        bool told = false;
        const std::optional<float> entered = ReadAmount(Text6, told);
        if (told)
            return;
        if (!entered || EntryType == 0)
            return IncompleteData();
        amount = *entered;
        typeCode = EntryType;
        description = Text7->text();
    }
    // Typed loosely ("food : groceries:") and kept tidy; only a path too long for the list is refused.
    const QString category = ledger::NormalizedCategory((CheckEntryActive ? cboCategory : cboCategory2)->currentText());
    if (category.size() > ledger::MaxCategoryLength) {
        platform::MsgBox(tr("The category is %1 characters long; a category may have at most %2, its colons "
                            "included. Shorten it, then click Add again.")
                             .arg(QString::number(category.size()), QString::number(ledger::MaxCategoryLength)));
        return;
    }
    const int16_t checkNumber = ledger::NewCheckNumber(typeCode, !Option6->isChecked(), typedCheckNumber);
    if (!ledger::CanAddTransaction()) {
        platform::MsgBox(tr("The register is full: no more transactions can be added."));
        return;
    }
    if (!ConfirmCheckNumber(checkNumber))
        return;
    {
        // The check and what it carries are one change, recovered whole after a crash.
        const ledger::ChangeBatch batch;
        const int16_t slot = ledger::AddTransaction(checkNumber, date, amount, description, typeCode);
        if (CheckEntryActive) {
            ledger::SetMemo(slot, txtMemo->text());
            ledger::SetAddress(slot, EnteredAddress);
            if (chkPrintLater->isEnabled() && chkPrintLater->isChecked())
                ledger::SetWaitingToPrint(slot, true);
        }
        if (!category.isEmpty())
            ledger::SetCategory(slot, {category, {}});
    }
    ResetEntryFields();
    Command4->setEnabled(true);
    // The entry is gone from the frames, so the user reads what was added.
    StatusBar1->showMessage(AddedText(checkNumber, amount, description, typeCode), AddedMessageMilliseconds);
}

void frmMain::Command2_Click() {
    ResetEntryFields();
}
