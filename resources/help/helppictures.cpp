// Renders the program's SVG pictures as PNG files for the help pages, at
// twice their own size so they stay sharp on a large class display.
// Usage: helppictures OUTPUT_FOLDER PICTURE.svg...

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 2) {
        std::fputs("usage: helppictures OUTPUT_FOLDER PICTURE.svg...\n", stderr);
        return 2;
    }
    const QDir output(arguments.front());
    if (!output.mkpath(QStringLiteral(".")))
        return 1;
    constexpr int scale = 2;
    for (const QString &svg : arguments.mid(1)) {
        QSvgRenderer renderer(svg);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "helppictures: cannot read %s\n", qPrintable(svg));
            return 1;
        }
        QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString png = output.filePath(QFileInfo(svg).completeBaseName() + QStringLiteral(".png"));
        if (!image.save(png, "PNG")) {
            std::fprintf(stderr, "helppictures: cannot write %s\n", qPrintable(png));
            return 1;
        }
    }
    return 0;
}
