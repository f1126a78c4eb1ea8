#include "platform/widgets/KeyCodes.h"

#include "platform/Locale.h"

namespace platform {

int ShiftState(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

int KeyCodeOf(const QKeyEvent* event) {
    const int key = event->key();
    switch (key) {
    case Qt::Key_Backspace:
        return KeyBack;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyReturn;
    case Qt::Key_Escape:
        return KeyEscape;
    case Qt::Key_Space:
        return KeySpace;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return KeyDown;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return KeyDelete;
    default:
        break;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key;
    return 0;
}

int KeyAsciiOf(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return KeyBack;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyReturn;
    case Qt::Key_Escape:
        return KeyEscape;
    default:
        break;
    }
    // Any single character up to U+7FFF: a filter must see the Arabic decimal separator or an accented letter too.
    const QString text = event->text();
    // The numeric keypad's decimal key stands for the locale's separator, whatever the keyboard layout sends.
    if ((event->modifiers() & Qt::KeypadModifier) && (text == QLatin1String(".") || text == QLatin1String(",")))
        return DecimalSeparator().unicode();
    if (text.size() != 1 || text.at(0).unicode() > 0x7FFF)
        return 0;
    return text.at(0).unicode();
}

bool IsEditCommand(const QKeyEvent* event) {
    for (const QKeySequence::StandardKey command : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                                                    QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (event->matches(command))
            return true;
    return false;
}

} // namespace platform
