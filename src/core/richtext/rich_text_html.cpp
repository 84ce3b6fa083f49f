#include "core/richtext/rich_text_html.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/canvas/svg_canvas.hpp"
#include "core/richtext/picture_placeholder.hpp"

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

void paragraphInto(std::string& out, const Paragraph& p, int& pictures) {
    static constexpr const char* kAlign[] = {"left", "center", "right", "justify"};
    std::string style;
    if (p.alignment != Alignment::Left) style += std::string("text-align:") + kAlign[static_cast<int>(p.alignment)] + ';';
    if (p.leftIndent) style += "padding-left:" + pixels(p.leftIndent) + ';';
    if (p.firstLineIndent) style += "text-indent:" + pixels(p.firstLineIndent) + ';';
    if (style.empty()) {
        out += "<p>";
    } else {
        style.pop_back();
        out += "<p style=\"" + style + "\">";
    }
    for (const TextRun& run : p.runs) runInto(out, run, pictures);
    // An empty paragraph keeps its line, and so does a line break that ends one: a block's
    // last <br> only holds its line open.
    if (p.runs.empty() || (!p.runs.back().picture && p.runs.back().text.ends_with('\n'))) out += "<br>";
    out += "</p>";
}

// Column widths as shares of the row with the most cells, the table as wide as its share of
// an A4 page's text (9638 twips), as the desktop's area lays it out.
void tableInto(std::string& out, const Table& table, int& pictures) {
    constexpr double kPageTextTwips = 9638;
    const auto widest = std::max_element(table.rows.begin(), table.rows.end(), [](const TableRow& a, const TableRow& b) {
        return a.cells.size() < b.cells.size();
    });
    const std::size_t columns = widest->cells.size();
    const double total = widest->cells.back().rightEdge;
    char width[32];
    std::snprintf(width, sizeof width, "%g%%", total > 0 ? std::min(100.0, std::round(1000 * total / kPageTextTwips) / 10) : 100.0);
    out += std::string("<table style=\"width:") + width + "\">";
    int left = 0;
    bool grows = total > 0;
    std::string colgroup = "<colgroup>";
    for (const TableCell& cell : widest->cells) {
        const int share = cell.rightEdge - left;
        left = cell.rightEdge;
        if (share <= 0) grows = false;
        char col[48];
        std::snprintf(col, sizeof col, "<col style=\"width:%g%%\">", share > 0 ? std::round(1000.0 * share / total) / 10 : 0.0);
        colgroup += col;
    }
    if (grows) out += colgroup + "</colgroup>";
    for (const TableRow& row : table.rows) {
        out += "<tr>";
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            // A shorter row: its last cell spans the rest.
            const std::size_t span = c + 1 == row.cells.size() && row.cells.size() < columns ? columns - c : 1;
            // The cell's edge goes with it, for the save.
            out += "<td data-right=\"" + std::to_string(row.cells[c].rightEdge) + "\"";
            out += span > 1 ? " colspan=\"" + std::to_string(span) + "\">" : std::string(">");
            for (const Paragraph& p : row.cells[c].paragraphs) paragraphInto(out, p, pictures);
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
    for (const Block& block : document.blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) paragraphInto(out, *p, pictures);
        else tableInto(out, std::get<Table>(block), pictures);
    }
    return out;
}

}  // namespace tavir
