#pragma once
// The main window: start-up and shutdown, transaction entry, the File and Setup menus, the status bar.
// It owns the program's settings while it runs and offers the public members the other windows use.

#include <QMainWindow>
#include <QStringList>
#include <cstdint>

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Initialization: reads the settings; `arguments` are the program's arguments after its own name.
    explicit frmMain(const QStringList& arguments, QWidget* parent = nullptr);
    ~frmMain() override;

    static QString AppName();
    static QString AppDescription();
    static QString AppCopyright();

    QString UserName() const;
    void SetUserName(const QString& str);

    // Height of the register window in twips; 0 while none is known.
    int32_t RegHeight = 0;

    // Shows the Open (bOpen) or Save dialog; a chosen path becomes the ledger's data file name.
    bool PromptForFileName(const bool& bOpen);

    // Key filter for money amounts: KeyAscii when the key may be typed into `text`, else 0.
    static int16_t IsDollarAmt(const int16_t& KeyAscii, const QString& text);
};
