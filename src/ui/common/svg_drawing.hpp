#pragma once
// The one way an SVG picture of ours becomes pixels, shared by the program and by the build
// tool that draws the first window's pictures ahead of time: starting the program then reads
// small PNGs and never parses an SVG, loads its renderer or the fonts of its captions.
#include <QImage>
#include <QSize>
#include <QString>

namespace tavir::ui {

// `file` (a path or a resource) drawn to exactly `pixels`, anti-aliased, on transparency.
QImage drawSvg(const QString& file, QSize pixels);
// How many drawings drawSvg has made in this process.
int svgDrawingsMade();

// A picture the first window shows, at its logical size. A fitted one is an icon: the icon
// asks for a square and gets the picture's own proportions inside it, as Qt's SVG icons do.
struct DrawnAheadPicture {
    const char* resource;
    QSize shown;
    QSize natural;  // the SVG's own size
    bool fitted;
};

inline constexpr DrawnAheadPicture kDrawnAheadPictures[] = {
    {":/elements/C.svg", {32, 32}, {32, 32}, false},
    {":/elements/H.svg", {32, 32}, {32, 32}, false},
    {":/elements/O.svg", {32, 32}, {32, 32}, false},
    {":/elements/N.svg", {32, 32}, {32, 32}, false},
    {":/elements/Cl.svg", {32, 32}, {32, 32}, false},
    {":/pictures/smile.svg", {24, 24}, {24, 24}, false},
    {":/pictures/btexo.svg", {97, 19}, {97, 19}, false},
    {":/pictures/phototavir.svg", {265, 201}, {265, 201}, false},
    {":/pictures/step-0.svg", {16, 16}, {16, 14}, true},
    {":/pictures/step-1.svg", {16, 16}, {16, 14}, true},
    {":/pictures/step-2.svg", {16, 16}, {16, 14}, true},
    {":/pictures/step-3.svg", {16, 16}, {16, 14}, true},
    {":/pictures/step-4.svg", {16, 16}, {16, 14}, true},
    {":/pictures/step-5.svg", {16, 16}, {16, 14}, true},
    // The window's icon, in the sizes the X11 window manager is given.
    {":/icons/fr.tavir.Tavir.svg", {16, 16}, {128, 128}, true},
    {":/icons/fr.tavir.Tavir.svg", {32, 32}, {128, 128}, true},
    {":/icons/fr.tavir.Tavir.svg", {64, 64}, {128, 128}, true},
    {":/icons/fr.tavir.Tavir.svg", {128, 128}, {128, 128}, true},
};
// The screen scales drawn ahead; any other is drawn from the SVG when first shown.
inline constexpr double kDrawnAheadScales[] = {1.0, 1.25, 1.5, 1.75, 2.0};

// The pixels an icon of `natural` proportions fills when `requested` pixels are asked for.
QSize fittedPixels(QSize natural, QSize requested);
// The pixels `picture` takes on a screen of `scale`.
QSize drawnPixels(const DrawnAheadPicture& picture, double scale);
// Where the drawing of `resource` at `pixels` is kept: ":/ahead/pictures/smile-24x24.png".
QString drawnAheadFile(const QString& resource, QSize pixels);

}  // namespace tavir::ui
