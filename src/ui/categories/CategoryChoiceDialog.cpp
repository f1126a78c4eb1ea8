#include "ui/categories/CategoryChoiceDialog.h"

#include "platform/widgets/CompletionClicks.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

CategoryChoiceDialog::CategoryChoiceDialog(QWidget* owner, const QString& title, const QString& text,
                                           const QStringList& offers, const QString& shown, bool editable)
    : QDialog(owner) {
    setObjectName(QStringLiteral("CategoryChoiceDialog"));
    setWindowTitle(title);
    setModal(true);

    // Category names are shown as typed: an "&" or "<" in one is a character, not a key or markup.
    questionLabel = new QLabel(text, this);
    questionLabel->setObjectName(QStringLiteral("questionLabel"));
    questionLabel->setTextFormat(Qt::PlainText);
    questionLabel->setWordWrap(true);
    categoryBox = new QComboBox(this);
    categoryBox->setObjectName(QStringLiteral("categoryBox"));
    categoryBox->addItems(offers);
    categoryBox->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    if (editable) {
        categoryBox->setEditable(true);
        categoryBox->setInsertPolicy(QComboBox::NoInsert);
        categoryBox->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        categoryBox->completer()->setFilterMode(Qt::MatchContains);
        categoryBox->completer()->setCompletionMode(QCompleter::PopupCompletion);
        platform::PassClicksBesideCompletion(categoryBox->completer());
        categoryBox->setCurrentIndex(-1);
        categoryBox->setEditText(shown);
    } else {
        categoryBox->setCurrentIndex(std::max(0, int(offers.indexOf(shown))));
    }
    categoryBox->setAccessibleName(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(questionLabel);
    layout->addWidget(categoryBox);
    layout->addStretch();
    layout->addWidget(buttons);
    categoryBox->setFocus();
}

void CategoryChoiceDialog::AskForText(const QString& text, int maxLength) {
    textBox = new QLineEdit(text, this);
    textBox->setObjectName(QStringLiteral("textBox"));
    textBox->setMaxLength(maxLength);
    auto* label = new QLabel(tr("&Description contains:"), this);
    label->setBuddy(textBox);
    // The question is then the category box's caption, with its key.
    questionLabel->setTextFormat(Qt::AutoText);
    questionLabel->setBuddy(categoryBox);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(0, textBox);
    layout->insertWidget(0, label);
    textBox->setFocus();
}

QString CategoryChoiceDialog::Category() const {
    return categoryBox->currentText();
}

int CategoryChoiceDialog::ChosenIndex() const {
    return categoryBox->currentIndex();
}

QString CategoryChoiceDialog::Text() const {
    return textBox ? textBox->text() : QString();
}
