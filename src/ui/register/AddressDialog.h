#pragma once
// The payee's address of a check or payment, as a window envelope shows it: four lines of up to 60 characters.
// Created for each showing, modal over its owner.

#include <QDialog>
#include <QStringList>
#include <array>

class QLineEdit;

class AddressDialog : public QDialog {
    Q_OBJECT
public:
    AddressDialog(QWidget* owner, const QString& payee, const QStringList& address);
    // The lines as typed, trailing empty ones included.
    QStringList Lines() const;

private:
    std::array<QLineEdit*, 4> lines{};
};
