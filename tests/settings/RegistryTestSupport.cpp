#include "RegistryTestSupport.h"

#include <QFile>

namespace tallix::test {

ScopedRegistryFile::ScopedRegistryFile() : previous(qgetenv("TALLIX_REGISTRY_FILE")) {
    qputenv("TALLIX_REGISTRY_FILE", QFile::encodeName(Path()));
}

ScopedRegistryFile::~ScopedRegistryFile() {
    qputenv("TALLIX_REGISTRY_FILE", previous);
}

QString ScopedRegistryFile::Path() const {
    return folder.filePath(QStringLiteral("registry.reg"));
}

QByteArray ScopedRegistryFile::Contents() const {
    QFile file(Path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ScopedRegistryFile::Write(const QByteArray& bytes) const {
    QFile file(Path());
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace tallix::test
