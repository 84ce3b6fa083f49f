#pragma once
#include <QFont>

namespace tavir::ui {

// "Arial" at a point size, turned into pixels at 96 dpi so that layouts match the design's
// pixels on any screen; fontconfig serves Liberation Sans where Arial is absent.
QFont arialFont(double pointSize, bool bold = false);

}  // namespace tavir::ui
