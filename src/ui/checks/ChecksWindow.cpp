// The print queue's window: a ticked list of checks, the forms and stock, and the runs that print them.
#include "ui/checks/ChecksWindow.h"

#include "ledger/CheckDetails.h"
#include "platform/AtomicFile.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "settings/CheckOffsets.h"
#include "ui/checks/SpoiledFormsDialog.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { NumberColumn, DateColumn, PayeeColumn, AmountColumn, MemoColumn };
// The confirmation of a renumbering lists this many checks at most.
constexpr int ListedRenumberings = 10;

QString BoxText(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text;
}

QSpinBox* OffsetBox(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(-settings::MaxCheckOffset, settings::MaxCheckOffset);
    box->setAccessibleName(accessibleName);
    return box;
}

} // namespace

ChecksWindow::ChecksWindow(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("PrintChecksWindow"));
    setWindowTitle(tr("Print Checks"));
    auto* layout = new QVBoxLayout(this);

    auto* caption = new QLabel(tr("&Checks to print:"), this);
    layout->addWidget(caption);
    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("lstChecks"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({tr("Number"), tr("Date"), tr("Payee"), tr("Amount"), tr("Memo")});
    list->setMinimumWidth(560);
    caption->setBuddy(list);
    layout->addWidget(list);
    showAll = new QCheckBox(tr("Show &every check, to print one again"), this);
    showAll->setObjectName(QStringLiteral("chkShowAll"));
    layout->addWidget(showAll);

    auto* form = new QFormLayout;
    firstForm = new QSpinBox(this);
    firstForm->setObjectName(QStringLiteral("spnFirstForm"));
    firstForm->setRange(1, ledger::MaxCheckNumber);
    form->addRow(tr("&First form in the printer:"), firstForm);
    format = new QComboBox(this);
    format->setObjectName(QStringLiteral("cboFormat"));
    for (const print::CheckFormat& stock : print::CheckFormats())
        format->addItem(stock.title, stock.name);
    format->setCurrentIndex(std::max(0, format->findData(print::DefaultCheckFormatName())));
    form->addRow(tr("Check &stock:"), format);
    right = OffsetBox(this, "spnOffsetRight", tr("Offset right"));
    form->addRow(tr("Move &right (1/100 inch):"), right);
    down = OffsetBox(this, "spnOffsetDown", tr("Offset down"));
    form->addRow(tr("Move &down (1/100 inch):"), down);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    printButton = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    printButton->setObjectName(QStringLiteral("cmdPrint"));
    pdfButton = buttons->addButton(tr("Sa&ve as PDF..."), QDialogButtonBox::ActionRole);
    pdfButton->setObjectName(QStringLiteral("cmdSavePdf"));
    alignmentButton = buttons->addButton(tr("&Alignment sheet..."), QDialogButtonBox::ActionRole);
    alignmentButton->setObjectName(QStringLiteral("cmdAlignment"));
    // Shown once a run has recorded voided checks; Ctrl+Z and Ctrl+Y as in the register.
    undoVoidButton = buttons->addButton(tr("&Undo Void"), QDialogButtonBox::ActionRole);
    undoVoidButton->setObjectName(QStringLiteral("cmdUndoVoid"));
    undoVoidButton->hide();
    for (const QKeySequence::StandardKey key : {QKeySequence::Undo, QKeySequence::Redo}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, key] {
            if (!lastVoids.empty() && voidsTakenBack == (key == QKeySequence::Redo))
                UndoOrRedoVoids();
        });
    }
    layout->addWidget(buttons);

    for (const int16_t slot : ledger::ChecksWaitingToPrint())
        ticked.insert(slot);
    FillList();
    FormatChosen();

    connect(list, &QTreeWidget::itemChanged, this, &ChecksWindow::Ticked);
    connect(showAll, &QCheckBox::toggled, this, &ChecksWindow::FillList);
    connect(firstForm, &QSpinBox::valueChanged, this, [this] { firstFormTyped = true; });
    connect(format, &QComboBox::currentIndexChanged, this, &ChecksWindow::FormatChosen);
    connect(right, &QSpinBox::valueChanged, this, &ChecksWindow::OffsetChanged);
    connect(down, &QSpinBox::valueChanged, this, &ChecksWindow::OffsetChanged);
    connect(printButton, &QPushButton::clicked, this, [this] { PrintRun(false); });
    connect(pdfButton, &QPushButton::clicked, this, [this] { PrintRun(true); });
    connect(alignmentButton, &QPushButton::clicked, this, &ChecksWindow::PrintAlignmentSheet);
    connect(undoVoidButton, &QPushButton::clicked, this, &ChecksWindow::UndoOrRedoVoids);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ChecksWindow::FillList() {
    const QSignalBlocker quiet(list);
    list->clear();
    all = print::ChecksByNumber();
    for (const print::LedgerCheck& check : all) {
        if (!showAll->isChecked() && !ticked.count(check.slot) && !ledger::IsWaitingToPrint(check.slot))
            continue;
        auto* item = new QTreeWidgetItem(list);
        item->setText(NumberColumn, QString::number(check.record.CheckNumber));
        item->setText(DateColumn, platform::FormatShortDate(check.record.Date));
        item->setText(PayeeColumn, check.record.Description.trimmed());
        item->setText(AmountColumn, platform::FormatMoney(check.record.Amount));
        item->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(MemoColumn, ledger::MemoOf(check.slot));
        item->setData(NumberColumn, Qt::UserRole, int(check.slot));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(NumberColumn, ticked.count(check.slot) ? Qt::Checked : Qt::Unchecked);
    }
    for (int column = 0; column < list->columnCount(); ++column)
        list->resizeColumnToContents(column);
    Ticked();
}

void ChecksWindow::Ticked() {
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        const auto slot = int16_t(item->data(NumberColumn, Qt::UserRole).toInt());
        if (item->checkState(NumberColumn) == Qt::Checked)
            ticked.insert(slot);
        else
            ticked.erase(slot);
    }
    const std::vector<print::LedgerCheck> run = TickedChecks();
    printButton->setEnabled(!run.empty());
    pdfButton->setEnabled(!run.empty());
    // The first form follows the first check until the user says which forms are loaded.
    if (!firstFormTyped && !run.empty()) {
        const QSignalBlocker quiet(firstForm);
        firstForm->setValue(run.front().record.CheckNumber);
    }
}

void ChecksWindow::FormatChosen() {
    const settings::StoredCheckOffset offset = settings::ReadCheckOffset(format->currentData().toString());
    const QSignalBlocker quietRight(right);
    const QSignalBlocker quietDown(down);
    right->setValue(offset.right);
    down->setValue(offset.down);
}

void ChecksWindow::OffsetChanged() {
    if (format->currentIndex() >= 0)
        settings::WriteCheckOffset(format->currentData().toString(), {right->value(), down->value()});
}

std::optional<print::CheckFormat> ChecksWindow::ChosenFormat() const {
    std::optional<print::CheckFormat> chosen = print::FindCheckFormat(format->currentData().toString());
    if (!chosen)
        platform::MsgBox(tr("No check stock format was found. Add one to %1 and open this window again.")
                             .arg(QStringLiteral("~/.local/share/tallix/checks")));
    return chosen;
}

print::CheckOffset ChecksWindow::ChosenOffset() const {
    return {right->value(), down->value()};
}

std::vector<print::LedgerCheck> ChecksWindow::TickedChecks() const {
    std::vector<print::LedgerCheck> run;
    for (const print::LedgerCheck& check : all)
        if (ticked.count(check.slot))
            run.push_back(check);
    return run;
}

bool ChecksWindow::MatchForms(std::vector<print::LedgerCheck>& run, std::vector<int>& forms) {
    const std::optional<std::vector<int>> numbers = checks::FormNumbers(run.size(), firstForm->value());
    if (!numbers) {
        platform::MsgBox(tr("%1 checks from form %2 on would pass %3, the highest check number. Print fewer checks.")
                             .arg(QString::number(run.size()), QString::number(firstForm->value()),
                                  QString::number(ledger::MaxCheckNumber)));
        return false;
    }
    forms = *numbers;
    if (!checks::NeedsRenumbering(run, forms))
        return true;
    if (const print::LedgerCheck* locked = checks::FirstLocked(run)) {
        platform::MsgBox(tr("Check %1 is locked: its number cannot change to the form's. Unlock it in the register "
                            "or leave it out.")
                             .arg(locked->record.CheckNumber));
        return false;
    }
    QString text = run.front().record.CheckNumber != forms.front()
                       ? tr("The first form in the printer is number %1, the first check %2. Renumber the checks to "
                            "match the forms?")
                             .arg(QString::number(forms.front()), QString::number(run.front().record.CheckNumber))
                       : tr("The checks' numbers have gaps; the forms in the printer do not. Renumber the checks to "
                            "match the forms?");
    text += QLatin1Char('\n');
    int listed = 0;
    for (size_t i = 0; i < run.size(); ++i) {
        if (run[i].record.CheckNumber == forms[i])
            continue;
        if (++listed > ListedRenumberings) {
            text += QLatin1Char('\n') + tr("...");
            break;
        }
        text += QLatin1Char('\n') +
                tr("Check %1 becomes %2").arg(QString::number(run[i].record.CheckNumber), QString::number(forms[i]));
    }
    return platform::MsgBox(BoxText(text), platform::Buttons::YesNo, platform::ProgramTitle(), platform::Icon::Question,
                            platform::Answer::Yes) == platform::Answer::Yes;
}

bool ChecksWindow::ChoosePrinter(QPrinter& printer, const QString& document, const QString& title) {
    // Check stock is sold on US Letter.
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setDocName(document);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

void ChecksWindow::PrintRun(bool toPdf) {
    std::vector<print::LedgerCheck> run = TickedChecks();
    const std::optional<print::CheckFormat> stock = ChosenFormat();
    std::vector<int> forms;
    if (run.empty() || !stock || !MatchForms(run, forms))
        return;
    QPrinter printer(QPrinter::HighResolution);
    QString path;
    if (toPdf) {
        path = platform::ShowFileDialog(false, QStringLiteral("pdf"), tr("PDF document") + QStringLiteral("|*.pdf"));
        if (path.isEmpty())
            return;
    } else if (!ChoosePrinter(printer, tr("Checks"), tr("Print Checks"))) {
        return;
    }
    checks::Renumber(run, forms);
    std::vector<print::CheckToPrint> pages;
    for (const print::LedgerCheck& check : run)
        pages.push_back(print::CheckToPrintOf(check));
    if (toPdf) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        bool drawn = false;
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::Letter));
            writer.setTitle(tr("Checks"));
            drawn = print::DrawChecks(writer, *stock, pages, ChosenOffset());
        }
        const platform::Result<> saved = drawn ? platform::WriteFileAtomically(path, buffer.data())
                                               : platform::Fail(tr("the checks could not be drawn"));
        if (!saved) {
            platform::MsgBox(tr("Unable to save the checks to %1: %2.").arg(QFileInfo(path).fileName(), saved.Error()));
            FillList();
            return;
        }
    } else if (!print::DrawChecks(printer, *stock, pages, ChosenOffset())) {
        platform::MsgBox(tr("Unable to print the checks."));
        FillList();
        return;
    }
    // The list shows the numbers the forms now carry while the user looks at them.
    FillList();
    AskHowItPrinted(run);
    // The printer's next form follows the last one used.
    {
        const QSignalBlocker quiet(firstForm);
        firstForm->setValue(std::min<int>(forms.back() + 1, ledger::MaxCheckNumber));
    }
    firstFormTyped = true;
    ticked.clear();
    for (const int16_t slot : ledger::ChecksWaitingToPrint())
        ticked.insert(slot);
    FillList();
}

void ChecksWindow::AskHowItPrinted(const std::vector<print::LedgerCheck>& run) {
    lastVoids.clear();
    if (platform::MsgBox(tr("Did every check print correctly?"), platform::Buttons::YesNo, platform::ProgramTitle(),
                         platform::Icon::Question, platform::Answer::Yes) == platform::Answer::Yes) {
        checks::FinishPrintRun(run, std::nullopt, {}, platform::Today());
    } else if (SpoiledFormsDialog spoiled(this, run); spoiled.exec() == QDialog::Accepted) {
        lastVoids = checks::FinishPrintRun(run, spoiled.FirstSpoiled(), spoiled.FormsToVoid(), platform::Today());
    } else {
        // Cancelled: nothing is known to have printed, so every check of the run waits.
        checks::FinishPrintRun(run, 0, {}, platform::Today());
    }
    voidsTakenBack = false;
    undoVoidButton->setText(tr("&Undo Void"));
    undoVoidButton->setVisible(!lastVoids.empty());
}

void ChecksWindow::UndoOrRedoVoids() {
    if (voidsTakenBack)
        checks::PutBackVoids(lastVoids);
    else
        checks::TakeBackVoids(lastVoids);
    voidsTakenBack = !voidsTakenBack;
    undoVoidButton->setText(voidsTakenBack ? tr("&Redo Void") : tr("&Undo Void"));
    FillList();
}

void ChecksWindow::PrintAlignmentSheet() {
    const std::optional<print::CheckFormat> stock = ChosenFormat();
    if (!stock)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (!ChoosePrinter(printer, tr("Alignment sheet"), tr("Print Alignment Sheet")))
        return;
    if (!print::DrawAlignmentSheet(printer, *stock, ChosenOffset()))
        platform::MsgBox(tr("Unable to print the alignment sheet."));
}
