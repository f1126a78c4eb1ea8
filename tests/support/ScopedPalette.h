#pragma once
// Makes a palette the application's for one scope, as a desktop theme would; windows take some colours when
// they are made, so make them inside the scope.

#include <QApplication>

namespace tallix::test {

class ScopedPalette {
public:
    explicit ScopedPalette(const QPalette& palette) { QApplication::setPalette(palette); }
    ~ScopedPalette() { QApplication::setPalette(previous); }
    ScopedPalette(const ScopedPalette&) = delete;
    ScopedPalette& operator=(const ScopedPalette&) = delete;

    // A dark theme: Qt derives light text and near-black faces from a dark button colour.
    static QPalette Dark() { return QPalette(QColor(53, 53, 53)); }

private:
    QPalette previous = QApplication::palette();
};

} // namespace tallix::test
