#pragma once
// What a line edit's text is when the next typed character goes in: a selection is replaced by what is typed, so
// a key filter that judges the whole text must not count the selected part.

#include <QLineEdit>
#include <QString>

namespace platform {

inline QString TextOutsideSelection(const QLineEdit& box) {
    QString text = box.text();
    if (box.hasSelectedText())
        text.remove(box.selectionStart(), box.selectionLength());
    return text;
}

} // namespace platform
