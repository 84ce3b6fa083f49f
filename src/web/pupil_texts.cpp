#include "web/pupil_texts.hpp"

#include <string_view>

#include "core/richtext/rtf_file.hpp"
#include "core/richtext/rtf_writer.hpp"
#include "core/richtext/texts.hpp"
#include "core/richtext/shown_text.hpp"
#include "core/session/workspace.hpp"
#include "core/text/json.hpp"
#include "web/shipped_exercises.hpp"

namespace tavir::web {

namespace {

using emscripten::val;

std::string text(const val& object, const char* key) {
    const val v = object[key];
    return v.isString() ? v.as<std::string>() : std::string();
}
double number(const val& object, const char* key, double otherwise = 0) {
    const val v = object[key];
    return v.isNumber() ? v.as<double>() : otherwise;
}
bool flag(const val& object, const char* key) { return object[key].isTrue(); }

std::vector<val> items(const val& array) {
    return array.isArray() ? emscripten::vecFromJSArray<val>(array) : std::vector<val>();
}

ShownStyle styleFrom(const val& s) {
    if (s.isUndefined() || s.isNull()) return {};
    return {text(s, "fontFamily"), number(s, "fontPixels", 16), static_cast<int>(number(s, "fontWeight", 400)),
            flag(s, "italic"), flag(s, "underline"), text(s, "verticalAlign"), text(s, "color"), text(s, "backgroundColor")};
}

ShownParagraph paragraphFrom(const val& p) {
    ShownParagraph out{text(p, "textAlign"), number(p, "leftIndentPixels"), number(p, "textIndentPixels"),
                       text(p, "spacing"), text(p, "list"), {}};
    for (const val& piece : items(p["pieces"]))
        out.pieces.push_back({text(piece, "text"), styleFrom(piece["style"]), flag(piece, "lineBreak"),
                              static_cast<int>(number(piece, "picture", -1))});
    return out;
}

ShownBlock blockFrom(const val& block) {
    if (!block["rows"].isArray()) return paragraphFrom(block);
    ShownTable table;
    for (const val& row : items(block["rows"])) {
        std::vector<ShownCell> cells;
        for (const val& cell : items(row)) {
            ShownCell c{static_cast<int>(number(cell, "rightEdge", -1)), number(cell, "widthPixels"),
                        static_cast<int>(number(cell, "rowSpan", 1)), text(cell, "backgroundColor"), {}};
            for (const val& p : items(cell["paragraphs"])) c.paragraphs.push_back(paragraphFrom(p));
            cells.push_back(std::move(c));
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

}  // namespace

std::string openText(Workspace& workspace, const std::string& bytes, const std::string& name, std::vector<Picture>& pictures) {
    // The page asked textFileRefusal first; bytes past the limit are a file that grew since.
    if (auto refusal = rtfSizeRefusal(bytes.size())) return failureJson(*refusal);
    auto text = decodeRtf(bytes);
    if (!text) return failureJson(text.failure());
    std::vector<Picture> shown;
    const auto html = shownHtml(*text, shown);
    if (!html) return failureJson(html.failure());
    pictures = std::move(shown);
    workspace.exercises().showPupilText(name, std::move(text->dropped));
    return "{\"ok\":true,\"html\":" + jsonString(*html) + "}";
}

std::string textFileRefusal(double size) {
    const auto refusal = rtfSizeRefusal(size < 0 ? 0 : static_cast<std::uintmax_t>(size));
    return refusal ? failureJson(*refusal) : std::string("null");
}

val textBytes(const val& blocks, const std::vector<Picture>& pictures) {
    std::vector<ShownBlock> shown;
    for (const val& block : items(blocks)) shown.push_back(blockFrom(block));
    const std::string rtf = writeRtf(documentFromShown(shown, pictures));
    return val::global("Uint8Array").new_(emscripten::typed_memory_view(rtf.size(), reinterpret_cast<const unsigned char*>(rtf.data())));
}

}  // namespace tavir::web
