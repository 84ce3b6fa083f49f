#pragma once
// What a print job puts on which page and where: the choice of constructions and the page
// arithmetic, in the printer's device pixels.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/views/views.hpp"

namespace tavir::output {

// The pictures keep on paper the physical size their screen pixels have at this resolution.
constexpr double kScreenDpi = 96.0;

struct PrintRequest {
    bool board = true;
    bool dotStructure = true;
    bool animation = true;
    bool series = false;  // "Les 10 éléments de la série" rather than the current construction
    int copies = 1;

    bool anyPicture() const { return board || dotStructure || animation; }
};

// A series entry worth printing: neither blank nor the empty construction.
bool isPrintableEntry(std::string_view entry);

// The construction numbers (1..10) to print, in order: the current one, or every printable
// entry of the series.
std::vector<int> chosenConstructions(const std::array<std::string, 10>& series, bool seriesMode, int current);

// The printable area of a page in device pixels, and the device's resolution.
struct PageGeometry {
    double width = 0;
    double height = 0;
    double dpiX = kScreenDpi;
    double dpiY = kScreenDpi;
};

struct PrintStep {
    int copy = 1;  // 1-based
    int construction = 1;
    View picture = View::Board;  // the board, the dot structure or the 3D view
    bool newPageBefore = false;
    int page = 0;  // 0-based
    // Where the picture goes on its page, in device pixels.
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

struct PrintPlan {
    std::vector<PrintStep> steps;
    int pageCount = 0;  // 0 when nothing is printed
};

// Why a request prints nothing: no picture ticked, or the series holds only empty
// constructions.
enum class PrintRefusal { None, NothingChecked, EmptySeries };
PrintRefusal printRefusal(const PrintRequest& request, const std::array<std::string, 10>& series, int current);
// The message the print window shows for it ("" for None).
std::string_view printRefusalText(PrintRefusal refusal);

// Every picture starts at the current height, centred across the page; a picture whose bottom
// would pass 90 % of the page goes to the top (one twentieth down) of a new page; each copy
// starts on a new page.
PrintPlan planPrint(const PrintRequest& request, const std::vector<int>& constructions, const PageGeometry& page);

}  // namespace tavir::output
