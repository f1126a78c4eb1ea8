#include "ui/register/CellTextBox.h"

#include "platform/widgets/KeyCodes.h"

#include <QApplication>
#include <QPointer>

CellTextBox::CellTextBox(QWidget* parent) : QLineEdit(parent) {}

void CellTextBox::keyPressEvent(QKeyEvent* event) {
    QPointer<CellTextBox> self(this);
    Q_EMIT KeyDown(platform::KeyCodeOf(event), platform::ShiftState(event->modifiers()));
    if (!self)
        return;
    if (!hasFocus()) {
        event->accept();
        return;
    }
    // What a paste brings in is judged by the text box's validator, as a whole.
    const int ascii = platform::IsEditCommand(event) ? 0 : platform::KeyAsciiOf(event);
    if (ascii == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int16_t keyAscii = int16_t(ascii);
    Q_EMIT KeyPress(keyAscii);
    if (!self)
        return;
    if (keyAscii == 0) {
        if (ascii == '.') // the decimal point of another locale: the user hears it is not taken
            QApplication::beep();
        event->accept();
    } else if (QString(QChar(keyAscii)) != event->text()) {
        insert(QString(QChar(keyAscii)));
        event->accept();
    } else {
        QLineEdit::keyPressEvent(event);
    }
}
