// Prints the MIME type Qt gives each file named on the command line, one a line. A process of its own, because
// Qt reads the MIME database folders from the environment once.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QMimeDatabase database;
    for (const QString& path : app.arguments().mid(1))
        std::printf("%s\n", qPrintable(database.mimeTypeForFile(path).name()));
    return 0;
}
