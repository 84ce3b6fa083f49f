#pragma once
// What a print job puts on which page and where: the choice of constructions and the page
// arithmetic, in the printer's device pixels.
#include <array>
#include <cstdint>
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

// Room on paper, in screen pixels (1/96 in): between the pictures of a row and between rows,
// and between two constructions; the caption line is as high as the formula box.
constexpr double kPictureGap = 12;
constexpr double kGroupGap = 24;
constexpr double kCaptionHeight = 33;

struct PrintStep {
    // A picture, or the caption naming its construction above the construction's pictures.
    enum class Kind : uint8_t { Picture, Caption };
    Kind kind = Kind::Picture;
    int copy = 1;  // 1-based
    int construction = 1;
    View picture = View::Board;  // the board, the dot structure or the 3D view
    bool newPageBefore = false;
    int page = 0;  // 0-based
    // Where the item goes on its page, in device pixels.
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    // Device pixels per screen pixel: a picture's enlargement, a caption's plain resolution.
    double scaleX = 1;
    double scaleY = 1;
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

// Each construction is a group: its caption, then its ticked pictures in the order board, dot
// structure, 3D view, side by side in rows across the page (a new row where the next would
// not fit at its natural size), centred, all enlarged by one factor until the widest row
// fills the page's width, but no further than leaves room for three groups on a page, and
// shrunk only where a picture is wider than the page. A group that would pass 90 % of the page
// goes whole to the top (one twentieth down) of a new page; one taller than a page then breaks
// between its rows. Each copy starts on a new page.
PrintPlan planPrint(const PrintRequest& request, const std::vector<int>& constructions, const PageGeometry& page);

// A whole print decided at once, for the print job and the page alike: the refusal first (a
// plan left without a step, from no copy, is nothing checked), else the plan of the chosen
// constructions.
struct PrintOutcome {
    PrintRefusal refusal = PrintRefusal::None;
    PrintPlan plan;
};
PrintOutcome planPrintOf(const PrintRequest& request, const std::array<std::string, 10>& series, int current,
                         const PageGeometry& page);

}  // namespace tavir::output
