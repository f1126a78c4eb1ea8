#pragma once
// A text box that raises KeyDown (key code, shift state) for every key pressed and then KeyPress (character code
// by reference) for every character typed; copy, paste and the other edit commands type none. A KeyPress handler
// drops the character by setting the code to 0; a key whose KeyDown handler took the focus away is finished there
// and goes no further.

#include <QLineEdit>
#include <cstdint>

class CellTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit CellTextBox(QWidget* parent = nullptr);

Q_SIGNALS:
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int16_t& KeyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
