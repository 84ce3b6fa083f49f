#pragma once
// PNG pictures need the desktop's painter; the companion built without windows has none.
#include <string>

#include "core/views/views.hpp"

namespace tavir::cli {

#ifdef TAVIR_CLI_PNG
constexpr bool kPngRendering = true;
#else
constexpr bool kPngRendering = false;
#endif

// The view `scale` times its screen size into a PNG file of width x height pixels.
bool renderPng(View view, const Analysis& analysis, const ViewOptions& options, Pose pose, double scale, int width,
               int height, const std::string& path);

}  // namespace tavir::cli
