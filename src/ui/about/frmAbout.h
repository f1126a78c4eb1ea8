#pragma once
// The About box: the program's name, copyright and description, and a link to the maker's page.
// Created for each showing with the texts it shows, shown modally with no owner; OK (also Enter and Escape)
// closes it.

#include <QDialog>
#include <QUrl>
#include <functional>

class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // AppCopyright's two lines are joined by a carriage return.
    frmAbout(const QString& AppName, const QString& AppDescription, const QString& AppCopyright);

    // Hands the maker's page to the user's browser; its result is not looked at. Tests replace it.
    std::function<void(const QUrl&)> OpenUrl;

private:
    void Form_Load(const QString& AppName, const QString& AppDescription, QString AppCopyright);
    void Label3_Click();

    QLabel* lblTitle = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    LinkLabel* Label3 = nullptr;
    QPushButton* cmdOK = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
};
