#pragma once
// Makes a locale the default for one scope; the test binaries' US English comes back afterwards. Windows, grids
// and codecs take the locale when they are made, so make them inside the scope.

#include <QLocale>

namespace tallix::test {

class ScopedLocale {
public:
    explicit ScopedLocale(const QString& name) { QLocale::setDefault(QLocale(name)); }
    ~ScopedLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;
};

} // namespace tallix::test
