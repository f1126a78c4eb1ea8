#pragma once
// The small question the Categories window asks for each command: a category to type or choose, and for an import
// rule the text a description contains as well. It only asks: the window checks and applies the answer.

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;

class CategoryChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // `question` above a box that offers `offers` and shows `shown`. Editable: any path may be typed (the offers
    // complete it, matching anywhere and ignoring case); otherwise one of the offers is chosen.
    CategoryChoiceDialog(QWidget* owner, const QString& title, const QString& question, const QStringList& offers,
                         const QString& shown, bool editable);

    // A box above the category for what a statement line's description contains, holding `text`; the question is
    // then the category box's caption.
    void AskForText(const QString& text, int maxLength);

    QString Category() const;
    // The index of the chosen offer, in a box that is not editable.
    int ChosenIndex() const;
    QString Text() const;

private:
    QLabel* questionLabel = nullptr;
    QComboBox* categoryBox = nullptr;
    QLineEdit* textBox = nullptr;
};
