#include "ui/about/MakerPage.h"

#include <QCoreApplication>
#include <QDir>

QUrl MakerPageUrl() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return QUrl::fromLocalFile(
        QDir::cleanPath(programFolder.absoluteFilePath(QStringLiteral(TALLIX_DOC_FROM_BIN "/README.html"))));
}
