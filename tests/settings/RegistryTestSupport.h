#pragma once
// Points the settings store at a fresh file in a temporary folder for the life of one test.

#include <QByteArray>
#include <QTemporaryDir>

namespace tallix::test {

class ScopedRegistryFile {
public:
    ScopedRegistryFile();
    ~ScopedRegistryFile();
    ScopedRegistryFile(const ScopedRegistryFile&) = delete;
    ScopedRegistryFile& operator=(const ScopedRegistryFile&) = delete;

    QString Path() const;
    QString Folder() const { return folder.path(); }
    QByteArray Contents() const;
    void Write(const QByteArray& bytes) const;

private:
    QTemporaryDir folder;
    QByteArray previous;
};

} // namespace tallix::test
