// `render`: one view of an analysed construction into an SVG file through the core's own
// drawing, or a PNG file through the desktop's painter where the windows are built.
#include <cctype>
#include <cmath>
#include <iostream>

#include "cli/commands.hpp"
#include "cli/png_render.hpp"
#include "core/analysis/analysis.hpp"
#include "core/canvas/svg_canvas.hpp"
#include "core/files/file_io.hpp"
#include "core/text/json.hpp"

namespace tavir::cli {

int runRender(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    bool red = false, blue = false, compact = false, figure = false, charges = false, polarity = false;
    double scale = 1;
    int frame = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--red") red = true;
        else if (a == "--blue") blue = true;
        else if (a == "--compact") compact = true;
        else if (a == "--figure") figure = true;
        else if (a == "--charges") charges = true;
        else if (a == "--polarity") polarity = true;
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
                     "[--red] [--blue] [--charges] [--polarity] [--scale K]\n";
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
    const std::string& out = positional[2];
    const auto endsWith = [&out](std::string_view ext) {
        if (out.size() < ext.size()) return false;
        for (std::size_t i = 0; i < ext.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(out[out.size() - ext.size() + i])) != ext[i]) return false;
        return true;
    };
    const bool svg = endsWith(".svg");
    if (!svg && !endsWith(".png")) {
        std::cerr << "le fichier de sortie doit finir par .png ou .svg\n";
        return kBadCommandLine;
    }

    // --charges: the ions accepted and the formal-charge marks drawn, as with the box ticked.
    const Analysis analysis = analyse(*construction, 0, AnalysisOptions{charges});
    ViewOptions options;
    options.dot.redBonds = red;
    options.dot.blueBars = blue;
    options.dot.formalCharges = charges;
    options.dot.polarity = polarity;
    options.frame = FrameOptions{compact, figure};
    const Pose pose{frame, 1};
    const ViewGeometry g = viewGeometry(view);
    const int width = static_cast<int>(std::lround(g.width * scale));
    const int height = static_cast<int>(std::lround(g.height * scale));
    bool written = false;
    if (svg) {
        SvgCanvas canvas(g.width, g.height, scale);
        drawViewPicture(view, analysis, options, pose, screenLook(view), canvas);
        written = writeFileAtomically(out, canvas.document()).ok();
    } else if (kPngRendering) {
        written = renderPng(view, analysis, options, pose, scale, width, height, out);
    } else {
        std::cerr << "cette édition écrit les images en SVG seulement : choisissez un fichier .svg\n";
        return kBadCommandLine;
    }
    if (!written) {
        std::cerr << "écriture impossible: " << out << "\n";
        return kRefused;
    }
    std::cout << "{\"view\":" << jsonString(viewName) << ",\"width\":" << width << ",\"height\":" << height
              << "}\n";
    return kOk;
}

}  // namespace tavir::cli
