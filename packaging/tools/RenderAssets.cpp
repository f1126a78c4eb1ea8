// Build-time helper that makes the files installed with the program from their sources:
//   RenderAssets icon SOURCE.svg SIZE OUT.png     renders the icon at SIZE x SIZE pixels
//   RenderAssets html SOURCE.md TITLE OUT.html    turns Markdown into a stand-alone HTML page
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextDocument>
#include <cstdio>

namespace {
int Fail(const char* what, const QString& path) {
    std::fprintf(stderr, "RenderAssets: %s %s\n", what, qPrintable(path));
    return 1;
}

bool Save(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int RenderIcon(const QString& source, int size, const QString& target) {
    QSvgRenderer renderer(source);
    if (!renderer.isValid() || size <= 0)
        return Fail("cannot render", source);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.save(target, "PNG") ? 0 : Fail("cannot write", target);
}

int RenderHtml(const QString& source, const QString& title, const QString& target) {
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return Fail("cannot read", source);
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(file.readAll()));
    document.setMetaInformation(QTextDocument::DocumentTitle, title);
    return Save(target, document.toHtml().toUtf8()) ? 0 : Fail("cannot write", target);
}
} // namespace

int main(int argc, char** argv) {
    // Runs during the build, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("icon"))
        return RenderIcon(args[2], args[3].toInt(), args[4]);
    if (args.size() == 5 && args[1] == QLatin1String("html"))
        return RenderHtml(args[2], args[3], args[4]);
    std::fprintf(stderr, "usage: RenderAssets icon SOURCE.svg SIZE OUT.png | html SOURCE.md TITLE OUT.html\n");
    return 2;
}
