#include "core/output/print_plan.hpp"

#include <algorithm>

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

namespace {

// One row of a construction's pictures, at natural size in device pixels.
struct Row {
    std::vector<View> pictures;
    double width = 0;  // the pictures alone, without the gaps between them
    double height = 0;
};

// The pictures in order, a new row wherever the next one would not fit across the page.
std::vector<Row> rowsOf(const std::vector<View>& pictures, const PageGeometry& page, double gap) {
    std::vector<Row> rows;
    for (View picture : pictures) {
        const ViewGeometry size = viewGeometry(picture);
        const double w = size.width * page.dpiX / kScreenDpi;
        const double h = size.height * page.dpiY / kScreenDpi;
        if (rows.empty() ||
            rows.back().width + gap * double(rows.back().pictures.size()) + w > page.width)
            rows.emplace_back();
        Row& row = rows.back();
        row.pictures.push_back(picture);
        row.width += w;
        row.height = std::max(row.height, h);
    }
    return rows;
}

}  // namespace

PrintPlan planPrint(const PrintRequest& request, const std::vector<int>& constructions, const PageGeometry& page) {
    PrintPlan plan;
    std::vector<View> pictures;
    if (request.board) pictures.push_back(View::Board);
    if (request.dotStructure) pictures.push_back(View::DotStructure);
    if (request.animation) pictures.push_back(View::Animation);
    if (pictures.empty() || constructions.empty() || request.copies < 1) return plan;

    const double toDeviceX = page.dpiX / kScreenDpi;
    const double toDeviceY = page.dpiY / kScreenDpi;
    const double gapX = kPictureGap * toDeviceX;
    const double gapY = kPictureGap * toDeviceY;
    const double groupGap = kGroupGap * toDeviceY;
    const double captionHeight = kCaptionHeight * toDeviceY;
    const double top = page.height / 20.0;
    // A millionth of a pixel of rounding: three capped groups end on the 90 % line itself.
    const double bottomLimit = page.height * 0.9 + 1e-6;

    // Every construction has the same pictures, so one layout serves them all.
    const std::vector<Row> rows = rowsOf(pictures, page, gapX);
    double fill = 0;
    double naturalHeight = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double room = page.width - gapX * double(rows[r].pictures.size() - 1);
        const double rowFill = room / rows[r].width;
        fill = r == 0 ? rowFill : std::min(fill, rowFill);
        naturalHeight += rows[r].height;
    }
    const double rowGaps = gapY * double(rows.size() - 1);
    const double groupRoom = (page.height * 0.9 - top - 2 * groupGap) / 3;
    const double tallest = (groupRoom - captionHeight - rowGaps) / naturalHeight;
    double scale = std::min(fill, std::max(1.0, tallest));
    if (!(scale > 0)) scale = 1;  // a page narrower than the gaps: natural size
    const double groupHeight = captionHeight + naturalHeight * scale + rowGaps;

    double groupLeft = page.width;
    for (const Row& row : rows) {
        const double w = row.width * scale + gapX * double(row.pictures.size() - 1);
        groupLeft = std::min(groupLeft, (page.width - w) / 2.0);
    }

    int pageIndex = 0;
    double y = top;
    bool pageUsed = false;
    bool breakPending = false;
    const auto newPage = [&] {
        ++pageIndex;
        y = top;
        pageUsed = false;
        breakPending = true;
    };
    const auto add = [&](PrintStep step) {
        step.newPageBefore = breakPending;
        breakPending = false;
        step.page = pageIndex;
        plan.steps.push_back(step);
    };
    for (int copy = 1; copy <= request.copies; ++copy) {
        for (int construction : constructions) {
            // A group taller than a page still starts a fresh one rather than leaving a
            // blank page behind.
            if (pageUsed && y + groupHeight > bottomLimit) newPage();
            PrintStep caption;
            caption.kind = PrintStep::Kind::Caption;
            caption.copy = copy;
            caption.construction = construction;
            caption.x = groupLeft;
            caption.y = y;
            caption.width = page.width - 2 * groupLeft;
            caption.height = captionHeight;
            caption.scaleX = toDeviceX;
            caption.scaleY = toDeviceY;
            add(caption);
            y += captionHeight;
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const Row& row = rows[r];
                const double rowHeight = row.height * scale;
                if (r > 0) {
                    y += gapY;
                    if (y + rowHeight > bottomLimit) newPage();
                }
                double x = (page.width - row.width * scale - gapX * double(row.pictures.size() - 1)) / 2.0;
                for (View picture : row.pictures) {
                    const ViewGeometry size = viewGeometry(picture);
                    PrintStep step;
                    step.copy = copy;
                    step.construction = construction;
                    step.picture = picture;
                    step.scaleX = toDeviceX * scale;
                    step.scaleY = toDeviceY * scale;
                    step.width = size.width * step.scaleX;
                    step.height = size.height * step.scaleY;
                    step.x = x;
                    step.y = y + (rowHeight - step.height) / 2.0;
                    add(step);
                    x += step.width + gapX;
                }
                y += rowHeight;
            }
            y += groupGap;
            pageUsed = true;
        }
        if (copy < request.copies) newPage();  // the next copy starts on a new page
    }
    plan.pageCount = pageIndex + 1;
    return plan;
}

PrintOutcome planPrintOf(const PrintRequest& request, const std::array<std::string, 10>& series, int current,
                         const PageGeometry& page) {
    PrintOutcome outcome;
    outcome.refusal = printRefusal(request, series, current);
    if (outcome.refusal != PrintRefusal::None) return outcome;
    outcome.plan = planPrint(request, chosenConstructions(series, request.series, current), page);
    if (outcome.plan.steps.empty()) outcome.refusal = PrintRefusal::NothingChecked;
    return outcome;
}

}  // namespace tavir::output
