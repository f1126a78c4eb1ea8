#pragma once
// Key codes and shift states as the program's event handlers know them (Enter 13, Escape 27, Up 38, ...).

#include <QKeyEvent>

namespace platform {

enum KeyCode : int {
    KeyBack = 8,
    KeyReturn = 13,
    KeyEscape = 27,
    KeySpace = 32,
    KeyUp = 38,
    KeyDown = 40,
    KeyDelete = 46,
};

// Shift state bits: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState(Qt::KeyboardModifiers modifiers);
// The key code of a key press or release; 0 for keys the program has no code for.
int KeyCodeOf(const QKeyEvent* event);
// The character code of a typed character (KeyPress); 0 when the event types no single character up to U+7FFF.
// The numeric keypad's decimal key gives the locale's decimal separator.
int KeyAsciiOf(const QKeyEvent* event);
// Copy, cut, paste, select all, undo or redo, by the desktop's key bindings: a text box's own commands, which type no
// character (a key filter must let them through).
bool IsEditCommand(const QKeyEvent* event);

} // namespace platform
