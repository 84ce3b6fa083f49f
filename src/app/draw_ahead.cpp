// Build tool: draws the pictures the first window shows, at the usual screen scales, into PNGs
// and the resource list that compiles them in.
//   tavir-draw-ahead ASSETS_FOLDER OUT_FOLDER     writes OUT_FOLDER/ahead.qrc and its PNGs
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

#include "ui/common/svg_drawing.hpp"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ASSETS_FOLDER OUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString assets = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QString list;
    QTextStream qrc(&list);
    qrc << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n";
    QSet<QString> written;
    for (const tavir::ui::DrawnAheadPicture& picture : tavir::ui::kDrawnAheadPictures) {
        const QString resource = QString::fromLatin1(picture.resource);
        const QString svg = assets + QLatin1Char('/') + resource.mid(2);
        if (!QSvgRenderer(svg).isValid()) {
            std::fprintf(stderr, "draw-ahead: cannot read %s\n", qPrintable(svg));
            return 1;
        }
        for (const double scale : tavir::ui::kDrawnAheadScales) {
            const QSize pixels = tavir::ui::drawnPixels(picture, scale);
            const QString name = tavir::ui::drawnAheadFile(resource, pixels).mid(2);  // ahead/...
            if (written.contains(name)) continue;
            written.insert(name);
            const QString path = out.filePath(name);
            if (!QDir().mkpath(QFileInfo(path).path()) || !tavir::ui::drawSvg(svg, pixels).save(path, "PNG")) {
                std::fprintf(stderr, "draw-ahead: cannot write %s\n", qPrintable(path));
                return 1;
            }
            qrc << "    <file>" << name << "</file>\n";
        }
    }
    qrc << "  </qresource>\n</RCC>\n";
    qrc.flush();
    QFile file(out.filePath(QStringLiteral("ahead.qrc")));
    if (!file.open(QIODevice::WriteOnly) || file.write(list.toUtf8()) != list.toUtf8().size()) {
        std::fprintf(stderr, "draw-ahead: cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    return 0;
}
