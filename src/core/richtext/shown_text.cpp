#include "core/richtext/shown_text.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace tavir {

namespace {

constexpr double kTwipsPerPixel = 15;          // 1440 twips and 96 pixels to the inch
constexpr double kHalfPointsPerPixel = 1.5;    // 72 points and 96 pixels to the inch
constexpr int kBoldWeight = 600;

int twips(double pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerPixel)); }

std::string firstFamily(const std::string& families) {
    std::string name = families.substr(0, families.find(','));
    const auto blank = [](char c) { return c == ' ' || c == '"' || c == '\''; };
    while (!name.empty() && blank(name.back())) name.pop_back();
    const auto start = std::find_if_not(name.begin(), name.end(), blank);
    name.erase(name.begin(), start);
    return name.empty() ? std::string(kDefaultFontName) : name;
}

// "rgb(r, g, b)" or "rgba(r, g, b, a)"; black for anything else.
TextColour colourOf(const std::string& css) {
    int r = 0, g = 0, b = 0;
    if (std::sscanf(css.c_str(), "rgb(%d, %d, %d", &r, &g, &b) != 3 &&
        std::sscanf(css.c_str(), "rgba(%d, %d, %d", &r, &g, &b) != 3)
        return {};
    const auto byte = [](int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
    return {byte(r), byte(g), byte(b)};
}

// A colour that is really there: nothing for a transparent one or anything unreadable.
std::optional<TextColour> paintOf(const std::string& css) {
    int r = 0, g = 0, b = 0;
    double alpha = 1;
    if (std::sscanf(css.c_str(), "rgba(%d, %d, %d, %lf", &r, &g, &b, &alpha) == 4 && alpha == 0) return std::nullopt;
    if (css.rfind("rgb", 0) != 0) return std::nullopt;
    return colourOf(css);
}

// "a,b,c,d" as numbers; missing ones are 0.
std::vector<int> numbers(const std::string& text, std::size_t count) {
    std::vector<int> out(count, 0);
    const char* p = text.c_str();
    for (std::size_t i = 0; i < count && *p; ++i) {
        char* end = nullptr;
        const long v = std::strtol(p, &end, 10);
        if (end == p) break;
        out[i] = static_cast<int>(std::clamp<long>(v, -31680, 31680));
        p = *end == ',' ? end + 1 : end;
    }
    return out;
}

TextRun look(const ShownStyle& s) {
    TextRun run;
    run.font = firstFamily(s.fontFamily);
    run.halfPoints = std::clamp(static_cast<int>(std::lround(s.fontPixels * kHalfPointsPerPixel)), 1, 3276);
    run.bold = s.fontWeight >= kBoldWeight;
    run.italic = s.italic;
    run.underline = s.underline;
    run.script = s.verticalAlign == "sub" ? Script::Subscript : s.verticalAlign == "super" ? Script::Superscript : Script::Normal;
    run.color = colourOf(s.color);
    run.highlight = paintOf(s.backgroundColor);
    return run;
}

// Only line breaks and tabs stand as control characters in a run.
std::string runText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (c == '\n' || c == '\t' || static_cast<unsigned char>(c) >= 0x20) out += c;
    return out;
}

Paragraph paragraphFrom(const ShownParagraph& shown, const std::vector<Picture>& pictures) {
    Paragraph p;
    if (shown.textAlign == "center") p.alignment = Alignment::Center;
    else if (shown.textAlign == "right" || shown.textAlign == "end") p.alignment = Alignment::Right;
    else if (shown.textAlign == "justify") p.alignment = Alignment::Justify;
    p.leftIndent = twips(shown.leftIndentPixels);
    p.firstLineIndent = twips(shown.textIndentPixels);
    if (!shown.spacing.empty()) {
        const auto v = numbers(shown.spacing, 4);
        p.spaceBefore = std::max(0, v[0]);
        p.spaceAfter = std::max(0, v[1]);
        p.lineSpacing = v[2];
        p.lineSpacingMultiple = v[2] != 0 && v[3] != 0;
    }
    if (!shown.list.empty()) {
        const auto v = numbers(shown.list, 4);
        p.list = ListItem{static_cast<ListKind>(std::clamp(v[0], 0, static_cast<int>(ListKind::UpperRoman))),
                          std::clamp(v[1], 0, 8), std::max(1, v[2])};
        p.firstLineIndent = v[3];
    }
    std::size_t end = shown.pieces.size();
    if (end && shown.pieces.back().lineBreak) --end;
    for (std::size_t i = 0; i < end; ++i) {
        const ShownPiece& piece = shown.pieces[i];
        if (piece.picture >= 0) {
            if (static_cast<std::size_t>(piece.picture) < pictures.size())
                p.append(pictureRun(pictures[static_cast<std::size_t>(piece.picture)], look(piece.style)));
            continue;
        }
        TextRun run = look(piece.style);
        run.text = piece.lineBreak ? std::string("\n") : runText(piece.text);
        p.append(std::move(run));
    }
    return p;
}

Table tableFrom(const ShownTable& shown, const std::vector<Picture>& pictures) {
    Table table;
    for (const auto& shownRow : shown.rows) {
        TableRow row;
        double left = 0;
        int lastEdge = 0;
        for (const ShownCell& shownCell : shownRow) {
            left += shownCell.widthPixels;
            TableCell cell;
            // Edges only grow along a row.
            cell.rightEdge = std::max(lastEdge + 1, shownCell.rightEdge >= 0 ? shownCell.rightEdge : twips(left));
            lastEdge = cell.rightEdge;
            for (const ShownParagraph& p : shownCell.paragraphs) cell.paragraphs.push_back(paragraphFrom(p, pictures));
            if (cell.paragraphs.empty()) cell.paragraphs.emplace_back();
            cell.shading = paintOf(shownCell.backgroundColor);
            if (shownCell.rowSpan > 1) cell.verticalMerge = VerticalMerge::First;
            row.cells.push_back(std::move(cell));
        }
        table.rows.push_back(std::move(row));
    }
    // A cell merged down stands in the rows under it as covered cells, in its columns' place.
    for (std::size_t r = 0; r < shown.rows.size() && r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < shown.rows[r].size() && c < table.rows[r].cells.size(); ++c) {
            const int edge = table.rows[r].cells[c].rightEdge;
            for (int below = 1; below < shown.rows[r][c].rowSpan && r + below < table.rows.size(); ++below) {
                auto& cells = table.rows[r + static_cast<std::size_t>(below)].cells;
                const auto at = std::find_if(cells.begin(), cells.end(), [&](const TableCell& k) { return k.rightEdge > edge; });
                cells.insert(at, TableCell{edge, {Paragraph{}}, VerticalMerge::Covered});
            }
        }
    }
    std::erase_if(table.rows, [](const TableRow& row) { return row.cells.empty(); });
    return table;
}

}  // namespace

RichDocument documentFromShown(const std::vector<ShownBlock>& blocks, const std::vector<Picture>& pictures) {
    RichDocument document;
    for (const ShownBlock& block : blocks) {
        if (const auto* p = std::get_if<ShownParagraph>(&block)) document.blocks.emplace_back(paragraphFrom(*p, pictures));
        else document.blocks.emplace_back(tableFrom(std::get<ShownTable>(block), pictures));
    }
    return normalized(document);
}

std::vector<Picture> picturesOf(const RichDocument& document) {
    std::vector<Picture> pictures;
    forEachParagraph(document, [&](const Paragraph& p) {
        for (const TextRun& run : p.runs)
            if (run.picture) pictures.push_back(*run.picture);
    });
    return pictures;
}

}  // namespace tavir
