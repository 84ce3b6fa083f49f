// `render`: one view of an analysed construction into a PNG or SVG file, through the same
// drawing code as the windows.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <iostream>

#include "cli/commands.hpp"
#include "cli/json.hpp"
#include "core/analysis/analysis.hpp"
#include "ui/common/view_painter.hpp"

namespace tavir::cli {

int runRender(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    bool red = false, blue = false, compact = false, figure = false, charges = false;
    double scale = 1;
    int frame = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--red") red = true;
        else if (a == "--blue") blue = true;
        else if (a == "--compact") compact = true;
        else if (a == "--figure") figure = true;
        else if (a == "--charges") charges = true;
        else if ((a == "--scale" || a == "--frame") && i + 1 < args.size()) {
            try {
                if (a == "--scale") scale = std::stod(args[++i]);
                else frame = std::stoi(args[++i]);
            } catch (...) {
                std::cerr << "nombre attendu après " << a << "\n";
                return kBadCommandLine;
            }
        } else if (a.rfind("--", 0) == 0) {
            std::cerr << "option inconnue: " << a << "\n";
            return kBadCommandLine;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 3 || !(scale > 0 && scale <= 32) || frame < 0 || frame > 627) {
        std::cerr << "usage : tavir-cli render VUE CONSTRUCTION SORTIE [--frame N] [--compact] [--figure] "
                     "[--red] [--blue] [--charges] [--scale K]\n";
        return kBadCommandLine;
    }
    const std::string& viewName = positional[0];
    View view;
    if (viewName == "board") {
        view = View::Board;
    } else if (viewName == "formula") {
        view = View::Formula;
    } else if (viewName == "dot") {
        view = View::DotStructure;
    } else if (viewName == "3d") {
        view = View::Animation;
    } else {
        std::cerr << "vue inconnue: " << viewName << " (board, formula, dot, 3d)\n";
        return kBadCommandLine;
    }
    const auto construction = Construction::parse(positional[1]);
    if (!construction) {
        std::cerr << "construction refusée: " << positional[1] << "\n";
        return kRefused;
    }
    const QString out = QString::fromStdString(positional[2]);
    const bool svg = out.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    if (!svg && !out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        std::cerr << "le fichier de sortie doit finir par .png ou .svg\n";
        return kBadCommandLine;
    }

    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                   : qgetenv("QT_QPA_PLATFORM"));
    int argc = 1;
    char name[] = "tavir-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    // --charges: the ions accepted and the formal-charge marks drawn, as with the box ticked.
    const Analysis analysis = analyse(*construction, 0, AnalysisOptions{charges});
    ViewOptions options;
    options.dot.redBonds = red;
    options.dot.blueBars = blue;
    options.dot.formalCharges = charges;
    options.frame = FrameOptions{compact, figure};
    const auto paint = [&](QPainter& p) {
        p.scale(scale, scale);
        ui::paintView(p, view, analysis, options, Pose{frame, 1}, screenLook(view));
    };

    const QSize base = ui::viewSize(view);
    const QSize size(qRound(base.width() * scale), qRound(base.height() * scale));
    bool written = false;
    if (svg) {
        QSvgGenerator generator;
        generator.setFileName(out);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(QStringLiteral("Tavir"));
        QPainter p;
        if (p.begin(&generator)) {
            paint(p);
            written = p.end() && QFileInfo::exists(out);
        }
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter p(&image);
        paint(p);
        p.end();
        written = image.save(out, "PNG");
    }
    if (!written) {
        std::cerr << "écriture impossible: " << positional[2] << "\n";
        return kRefused;
    }
    std::cout << "{\"view\":" << jsonString(viewName) << ",\"width\":" << size.width()
              << ",\"height\":" << size.height() << "}\n";
    return kOk;
}

}  // namespace tavir::cli
