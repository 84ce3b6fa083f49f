#include "core/richtext/rich_text_html.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/canvas/svg_canvas.hpp"
#include "core/richtext/picture_placeholder.hpp"
#include "core/richtext/table_grid.hpp"

namespace tavir {

namespace {

constexpr double kTwipsPerPixel = 15;  // 1440 twips and 96 pixels to the inch

std::string pixels(int twips) {
    char out[32];
    std::snprintf(out, sizeof out, "%gpx", std::round(twips / kTwipsPerPixel * 100) / 100);
    return out;
}

void escapeInto(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "<br>"; break;
        default: out += c;
        }
    }
}

std::string base64(std::string_view bytes) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const auto byte = [&](std::size_t k) { return k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0u; };
        const unsigned n = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
        out += kDigits[n >> 18 & 63];
        out += kDigits[n >> 12 & 63];
        out += i + 1 < bytes.size() ? kDigits[n >> 6 & 63] : '=';
        out += i + 2 < bytes.size() ? kDigits[n & 63] : '=';
    }
    return out;
}

std::string colour(const TextColour& c) {
    char out[8];
    std::snprintf(out, sizeof out, "#%02x%02x%02x", c.red, c.green, c.blue);
    return out;
}

void pictureInto(std::string& out, const Picture& picture, int number) {
    const int width = std::max(1, static_cast<int>(std::lround(picture.width / kTwipsPerPixel)));
    const int height = std::max(1, static_cast<int>(std::lround(picture.height / kTwipsPerPixel)));
    // The number takes the picture back to its own bytes when the text is saved.
    const std::string size = " data-picture=\"" + std::to_string(number) + "\" width=\"" + std::to_string(width) +
                             "\" height=\"" + std::to_string(height) + "\"";
    if (picture.format == PictureFormat::Png || picture.format == PictureFormat::Jpeg) {
        out += "<img alt=\"\"" + size + " src=\"data:image/";
        out += picture.format == PictureFormat::Png ? "png" : "jpeg";
        out += ";base64," + base64(picture.data) + "\">";
        return;
    }
    SvgCanvas canvas(width, height);
    drawPicturePlaceholder(canvas, width, height, picture.format);
    out += "<img alt=\"\"" + size + " src=\"data:image/svg+xml;base64," + base64(canvas.document()) + "\">";
}

// Only what differs from the model's defaults is written: the area itself shows runs in the
// default font, size and colour (kRichTextDefaults), so most text needs no element of its own.
// A picture too sits in its run's format, which a save keeps.
void runInto(std::string& out, const TextRun& run, int& pictures) {
    std::string style;
    if (run.font != kDefaultFontName) {
        style += "font-family:";
        escapeInto(style, run.font);
        style += ';';
    }
    if (run.halfPoints != kDefaultHalfPoints) {
        char size[32];
        std::snprintf(size, sizeof size, "font-size:%gpt;", run.points());
        style += size;
    }
    if (run.color != TextColour{}) style += "color:" + colour(run.color) + ';';
    if (run.bold) style += "font-weight:bold;";
    if (run.italic) style += "font-style:italic;";
    if (run.underline) style += "text-decoration:underline;";
    if (run.highlight) style += "background-color:" + colour(*run.highlight) + ';';
    if (!style.empty()) {
        style.pop_back();
        out += "<span style=\"" + style + "\">";
    }
    if (run.picture) {
        pictureInto(out, *run.picture, pictures++);
    } else {
        const char* script = run.script == Script::Subscript ? "sub" : run.script == Script::Superscript ? "sup" : nullptr;
        if (script) out += std::string("<") + script + ">";
        escapeInto(out, run.text);
        if (script) out += std::string("</") + script + ">";
    }
    if (!style.empty()) out += "</span>";
}

const char* listStyleType(ListKind kind) {
    switch (kind) {
    case ListKind::Bullet: return "disc";
    case ListKind::Decimal: return "decimal";
    case ListKind::LowerAlpha: return "lower-alpha";
    case ListKind::UpperAlpha: return "upper-alpha";
    case ListKind::LowerRoman: return "lower-roman";
    case ListKind::UpperRoman: return "upper-roman";
    }
    return "disc";
}

// The numbers of the list items met so far.
struct ListPlace {
    ListCounter counter;
};

// What the page cannot read back from its styles rides along in data attributes, which an
// edit keeps on the paragraph (and a new paragraph made by Entrée copies): the spacing as
// "before,after,line,multiple" and a list item as "kind,level,list".
void paragraphInto(std::string& out, const Paragraph& p, int& pictures, ListPlace& lists) {
    static constexpr const char* kAlign[] = {"left", "center", "right", "justify"};
    std::string style;
    if (p.alignment != Alignment::Left) style += std::string("text-align:") + kAlign[static_cast<int>(p.alignment)] + ';';
    if (p.list) {
        // The marker hangs left of the text, in the indent.
        style += std::string("display:list-item;list-style:") + listStyleType(p.list->kind) + " outside;";
        if (p.leftIndent) style += "margin-left:" + pixels(p.leftIndent) + ';';
        // Each item its own number: the page's own count runs through every list of the text.
        style += "counter-set:list-item " + std::to_string(lists.counter.next(*p.list)) + ';';
    } else {
        if (p.leftIndent) style += "padding-left:" + pixels(p.leftIndent) + ';';
        if (p.firstLineIndent) style += "text-indent:" + pixels(p.firstLineIndent) + ';';
    }
    if (p.spaceBefore) style += "margin-top:" + pixels(p.spaceBefore) + ';';
    if (p.spaceAfter) style += "margin-bottom:" + pixels(p.spaceAfter) + ';';
    if (p.lineSpacing != 0) {
        char height[32];
        if (p.lineSpacingMultiple) std::snprintf(height, sizeof height, "line-height:%g;", p.lineSpacing / 240.0);
        else std::snprintf(height, sizeof height, "line-height:%s;", pixels(std::abs(p.lineSpacing)).c_str());
        style += height;
    }
    std::string attributes;
    if (p.spaceBefore || p.spaceAfter || p.lineSpacing)
        attributes += " data-para=\"" + std::to_string(p.spaceBefore) + "," + std::to_string(p.spaceAfter) + "," +
                      std::to_string(p.lineSpacing) + "," + (p.lineSpacingMultiple ? "1" : "0") + "\"";
    if (p.list)
        attributes += " data-list=\"" + std::to_string(static_cast<int>(p.list->kind)) + "," + std::to_string(p.list->level) +
                      "," + std::to_string(p.list->list) + "," + std::to_string(p.firstLineIndent) + "\"";
    if (!style.empty()) {
        style.pop_back();
        attributes += " style=\"" + style + "\"";
    }
    out += "<p" + attributes + ">";
    for (const TextRun& run : p.runs) runInto(out, run, pictures);
    // An empty paragraph keeps its line, and so does a line break that ends one: a block's
    // last <br> only holds its line open.
    if (p.runs.empty() || (!p.runs.back().picture && p.runs.back().text.ends_with('\n'))) out += "<br>";
    out += "</p>";
}

// Columns from the cells' right edges (tableGrid), the table as wide as its share of an A4
// page's text (9638 twips), as the desktop's area lays it out.
void tableInto(std::string& out, const Table& table, int& pictures, ListPlace& lists) {
    constexpr double kPageTextTwips = 9638;
    const TableGrid grid = tableGrid(table);
    const double total = grid.columnEdges.empty() ? 0 : grid.columnEdges.back();
    char width[32];
    std::snprintf(width, sizeof width, "%g%%", total > 0 ? std::min(100.0, std::round(1000 * total / kPageTextTwips) / 10) : 100.0);
    out += std::string("<table style=\"width:") + width + "\">";
    if (total > 0) {
        out += "<colgroup>";
        int left = 0;
        for (const int edge : grid.columnEdges) {
            char col[48];
            std::snprintf(col, sizeof col, "<col style=\"width:%g%%\">", std::round(1000.0 * (edge - left) / total) / 10);
            left = edge;
            out += col;
        }
        out += "</colgroup>";
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        out += "<tr>";
        const auto& cells = table.rows[r].cells;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const GridCell& place = grid.cells[r][c];
            if (place.covered) continue;
            // The cell's edge goes with it, for the save.
            out += "<td data-right=\"" + std::to_string(cells[c].rightEdge) + "\"";
            if (place.columnSpan > 1) out += " colspan=\"" + std::to_string(place.columnSpan) + "\"";
            if (place.rowSpan > 1) out += " rowspan=\"" + std::to_string(place.rowSpan) + "\"";
            if (cells[c].shading) out += " style=\"background-color:" + colour(*cells[c].shading) + "\"";
            out += ">";
            for (const Paragraph& p : cells[c].paragraphs) paragraphInto(out, p, pictures, lists);
            out += "</td>";
        }
        out += "</tr>";
    }
    out += "</table>";
}

}  // namespace

std::string richTextDefaultsCss() {
    TextRun defaults;
    std::string css = "font-family:" + defaults.font;
    char size[32];
    std::snprintf(size, sizeof size, ";font-size:%gpt", defaults.points());
    return css + size + ";color:" + colour(defaults.color) + ";text-align:left";
}

std::string richTextHtml(const RichDocument& document) {
    std::string out;
    int pictures = 0;
    ListPlace lists;
    for (const Block& block : document.blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) paragraphInto(out, *p, pictures, lists);
        else tableInto(out, std::get<Table>(block), pictures, lists);
    }
    return out;
}

}  // namespace tavir
