#pragma once
// Reading a file whole in a test; a file that cannot be read fails the test and reads as nothing.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace tallix::test {
inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}
} // namespace tallix::test
