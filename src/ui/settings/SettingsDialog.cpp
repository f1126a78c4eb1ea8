#include "ui/settings/SettingsDialog.h"

#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Place.h"
#include "platform/widgets/Twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {
QPushButton* Button(QWidget* parent, const QString& name, QRect twips, const QString& caption) {
    QPushButton* button = platform::Place(new QPushButton(parent), name, twips);
    button->setText(caption);
    return button;
}

QLabel* Label(QWidget* parent, const QString& name, QRect twips, const QString& caption) {
    QLabel* label = platform::Place(new QLabel(parent), name, twips);
    label->setText(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The places fit the English captions; a longer translation grows to the right, where the dialog is empty.
    label->resize(std::max(label->width(), label->fontMetrics().horizontalAdvance(caption)), label->height());
    return label;
}
} // namespace

SettingsDialog::SettingsDialog(QWidget* owner, const SettingsValues& current)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      values(current) {
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(tr("Settings"));
    setModal(true);
    setFixedSize(platform::TwipsSize(4590, 3390));
    setFont(platform::SansSerifFont(8.25));

    OKButton = Button(this, QStringLiteral("OKButton"), platform::TwipsRect(1095, 2760, 1215, 375), tr("OK"));
    CancelButton =
        Button(this, QStringLiteral("CancelButton"), platform::TwipsRect(2535, 2760, 1215, 375), tr("Cancel"));
    Label1 = Label(this, QStringLiteral("Label1"), platform::TwipsRect(368, 240, 1095, 255), tr("User Name:"));
    Text1 = platform::Place(new QLineEdit(this), QStringLiteral("Text1"), platform::TwipsRect(368, 480, 3855, 285));
    Label2 = Label(this, QStringLiteral("Label2"), platform::TwipsRect(360, 1080, 1935, 255), tr("Starting Balance:"));
    Text2 = platform::Place(new QLineEdit(this), QStringLiteral("Text2"), platform::TwipsRect(360, 1320, 3855, 285));
    Text3 = platform::Place(new QLineEdit(this), QStringLiteral("Text3"), platform::TwipsRect(360, 2160, 3855, 285));
    Label3 = Label(this, QStringLiteral("Label3"), platform::TwipsRect(360, 1920, 1575, 255), tr("Next Check Number:"));

    // The buttons come first, so OK has the focus when the dialog opens.
    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    OKButton->setDefault(true);
    OKButton->setFocus();

    Text2->installEventFilter(this);
    connect(OKButton, &QPushButton::clicked, this, &SettingsDialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void SettingsDialog::Form_Load() {
    Text1->setText(values.userName);
    Text2->setText(platform::FormatGeneral(values.startingBalance));
    Text3->setText(QString::number(values.nextCheckNumber));
}

// The starting balance cannot be left for another control of the dialog while it is not a number. Clicking a
// button still works: a click needs no focus, and OK checks the box itself.
bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text2 && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const QWidget* next = QApplication::focusWidget();
        const bool movesWithinDialog = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                                       next && next != Text2 && isAncestorOf(next);
        if (movesWithinDialog && !platform::IsNumericText(Text2->text()))
            Text2->setFocus(Qt::OtherFocusReason);
    }
    return QDialog::eventFilter(watched, event);
}

// Every text is converted before any value is taken, so that OK offers all three or none.
void SettingsDialog::OKButton_Click() {
    // An untouched balance is kept as it is, to the bit.
    std::optional<float> startingBalance = values.startingBalance;
    if (Text2->isModified()) {
        const platform::TypedMoney read = platform::ReadTypedMoney(Text2->text());
        if (!read.refusal.isEmpty())
            platform::MsgBox(read.refusal);
        startingBalance = read.value;
    }
    if (!startingBalance) {
        Text2->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::optional<int16_t> nextCheckNumber = platform::ToInteger(Text3->text());
    if (!nextCheckNumber) {
        Text3->setFocus(Qt::OtherFocusReason);
        Text3->selectAll();
        return;
    }
    values = {Text1->text(), *startingBalance, *nextCheckNumber};
    accept();
}
