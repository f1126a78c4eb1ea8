#pragma once
// The About box: the program's name, copyright and description, and a link to the maker's page.
// Created for each showing, shown modally with no owner; OK (also Enter and Escape) closes it.

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
    frmAbout();

    // Hands the maker's page to the user's browser; its result is not looked at. Tests replace it.
    std::function<void(const QUrl&)> OpenUrl;

private:
    void Form_Load();
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
