#include "core/output/print_plan.hpp"

#include "core/board/construction.hpp"
#include "core/output/texts.hpp"

namespace tavir::output {

bool isPrintableEntry(std::string_view entry) {
    return !isBlankEntry(entry) && entry != kEmptyConstructionString;
}

std::vector<int> chosenConstructions(const std::array<std::string, 10>& series, bool seriesMode, int current) {
    if (!seriesMode) return {current};
    std::vector<int> chosen;
    for (int n = 1; n <= 10; ++n)
        if (isPrintableEntry(series[static_cast<std::size_t>(n - 1)])) chosen.push_back(n);
    return chosen;
}

PrintRefusal printRefusal(const PrintRequest& request, const std::array<std::string, 10>& series, int current) {
    if (!request.anyPicture()) return PrintRefusal::NothingChecked;
    if (chosenConstructions(series, request.series, current).empty()) return PrintRefusal::EmptySeries;
    return PrintRefusal::None;
}

std::string_view printRefusalText(PrintRefusal refusal) {
    switch (refusal) {
    case PrintRefusal::NothingChecked: return output_texts::kNothingChecked;
    case PrintRefusal::EmptySeries: return output_texts::kEmptySeries;
    case PrintRefusal::None: break;
    }
    return {};
}

PrintPlan planPrint(const PrintRequest& request, const std::vector<int>& constructions, const PageGeometry& page) {
    PrintPlan plan;
    std::vector<View> pictures;
    if (request.board) pictures.push_back(View::Board);
    if (request.dotStructure) pictures.push_back(View::DotStructure);
    if (request.animation) pictures.push_back(View::Animation);
    if (pictures.empty() || constructions.empty() || request.copies < 1) return plan;

    const double top = page.height / 20.0;
    const double bottomLimit = page.height * 0.9;
    int pageIndex = 0;
    double y = top;
    bool pageUsed = false;
    bool breakPending = false;
    for (int copy = 1; copy <= request.copies; ++copy) {
        for (int construction : constructions) {
            for (View picture : pictures) {
                const ViewGeometry size = viewGeometry(picture);
                PrintStep step;
                step.copy = copy;
                step.construction = construction;
                step.picture = picture;
                step.width = size.width * page.dpiX / kScreenDpi;
                step.height = size.height * page.dpiY / kScreenDpi;
                // A picture too tall for any page goes on the page it reached rather than
                // leaving a blank page behind.
                if (breakPending || (pageUsed && y + step.height > bottomLimit)) {
                    step.newPageBefore = true;
                    ++pageIndex;
                    y = top;
                    breakPending = false;
                }
                step.page = pageIndex;
                step.x = (page.width - step.width) / 2.0;
                step.y = y;
                plan.steps.push_back(step);
                y += step.height;
                pageUsed = true;
            }
        }
        breakPending = true;  // the next copy starts on a new page
    }
    plan.pageCount = pageIndex + 1;
    return plan;
}

}  // namespace tavir::output
