#pragma once
// The categories of the import preview: the editor of its category column, completing from the ledger's categories,
// and the dialog that makes an import rule of a line.

#include "model/Category.h"

#include <QDialog>
#include <QStyledItemDelegate>

class QCompleter;
class QLineEdit;
class QPushButton;

// Completion over `categories`, ignoring case and matching anywhere in a path ("groc" finds "Food:Groceries").
QCompleter* CategoryCompleter(QObject* parent, const QStringList& categories);

// A line edit with CategoryCompleter, at most ledger::MaxCategoryLength characters.
class CategoryDelegate : public QStyledItemDelegate {
public:
    CategoryDelegate(QObject* parent, const QStringList& categories);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const QStringList categories;
};

// "Description contains TEXT: CATEGORY", offered with the line's payee and category; OK waits for a rule the ledger
// keeps.
class RuleDialog : public QDialog {
    Q_OBJECT
public:
    RuleDialog(QWidget* parent, const QString& payee, const QString& category, const QStringList& categories);
    ledger::CategoryRule Rule() const;

private:
    void UpdateOK();

    QLineEdit* contains = nullptr;
    QLineEdit* category = nullptr;
    QPushButton* OKButton = nullptr;
};
