// rtf dump and rtf roundtrip: the exercise area's RTF loading and saving, without the window.
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "cli/commands.hpp"
#include "core/text/json.hpp"
#include "core/richtext/rtf_file.hpp"
#include "core/richtext/shown_limits.hpp"

namespace tavir::cli {

namespace {

const char* alignmentName(Alignment alignment) {
    switch (alignment) {
    case Alignment::Left: return "left";
    case Alignment::Center: return "center";
    case Alignment::Right: return "right";
    case Alignment::Justify: return "justify";
    }
    return "left";
}

std::string sizeText(int halfPoints) {
    std::string text = std::to_string(halfPoints / 2);
    if (halfPoints % 2 != 0) text += ".5";
    return text;
}

std::string colorText(TextColour c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red, c.green, c.blue);
    return buf;
}

const char* pictureFormatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Png: return "png";
    case PictureFormat::Jpeg: return "jpeg";
    case PictureFormat::Wmf: return "wmf";
    case PictureFormat::Emf: return "emf";
    }
    return "png";
}

const char* droppedName(DroppedContent content) {
    switch (content) {
    case DroppedContent::HeadersAndFooters: return "headers-footers";
    case DroppedContent::Notes: return "notes";
    case DroppedContent::Comments: return "comments";
    case DroppedContent::Objects: return "objects";
    case DroppedContent::Shapes: return "shapes";
    case DroppedContent::FloatingPictures: return "floating-pictures";
    case DroppedContent::Pictures: return "pictures";
    }
    return "";
}

// A run's keys; "script" and "picture" only when they are there, so that plain text reads
// as it always did.
void runJson(std::ostream& out, const TextRun& run) {
    out << "{\"text\":" << jsonString(run.text) << ",\"font\":" << jsonString(run.font)
        << ",\"size\":" << sizeText(run.halfPoints) << ",\"bold\":" << (run.bold ? "true" : "false")
        << ",\"italic\":" << (run.italic ? "true" : "false") << ",\"underline\":" << (run.underline ? "true" : "false")
        << ",\"color\":\"" << colorText(run.color) << "\"";
    if (run.script != Script::Normal) out << ",\"script\":\"" << (run.script == Script::Subscript ? "sub" : "super") << "\"";
    if (run.highlight) out << ",\"highlight\":\"" << colorText(*run.highlight) << "\"";
    if (run.picture)
        out << ",\"picture\":{\"format\":\"" << pictureFormatName(run.picture->format)
            << "\",\"bytes\":" << run.picture->data.size() << ",\"width\":" << run.picture->width
            << ",\"height\":" << run.picture->height << "}";
    out << "}";
}

const char* listKindName(ListKind kind) {
    switch (kind) {
    case ListKind::Bullet: return "bullet";
    case ListKind::Decimal: return "decimal";
    case ListKind::LowerAlpha: return "lower-alpha";
    case ListKind::UpperAlpha: return "upper-alpha";
    case ListKind::LowerRoman: return "lower-roman";
    case ListKind::UpperRoman: return "upper-roman";
    }
    return "bullet";
}

// Spacing and list keys only when the paragraph has them.
void paragraphJson(std::ostream& out, const Paragraph& paragraph) {
    out << "{\"align\":\"" << alignmentName(paragraph.alignment) << "\",\"indent\":" << paragraph.leftIndent;
    if (paragraph.spaceBefore != 0) out << ",\"spaceBefore\":" << paragraph.spaceBefore;
    if (paragraph.spaceAfter != 0) out << ",\"spaceAfter\":" << paragraph.spaceAfter;
    if (paragraph.lineSpacing != 0)
        out << ",\"lineSpacing\":" << paragraph.lineSpacing << ",\"lineSpacingMultiple\":"
            << (paragraph.lineSpacingMultiple ? "true" : "false");
    if (paragraph.list)
        out << ",\"list\":{\"kind\":\"" << listKindName(paragraph.list->kind) << "\",\"level\":" << paragraph.list->level
            << ",\"list\":" << paragraph.list->list << "}";
    out << ",\"runs\":[";
    for (std::size_t i = 0; i < paragraph.runs.size(); ++i) {
        if (i > 0) out << ",";
        runJson(out, paragraph.runs[i]);
    }
    out << "]}";
}

void tableJson(std::ostream& out, const Table& table) {
    out << "{\"table\":[";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (r > 0) out << ",";
        out << "[";
        const auto& cells = table.rows[r].cells;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) out << ",";
            out << "{\"right\":" << cells[c].rightEdge;
            if (cells[c].verticalMerge != VerticalMerge::None)
                out << ",\"merge\":\"" << (cells[c].verticalMerge == VerticalMerge::First ? "first" : "covered") << "\"";
            if (cells[c].shading) out << ",\"shading\":\"" << colorText(*cells[c].shading) << "\"";
            out << ",\"paragraphs\":[";
            for (std::size_t p = 0; p < cells[c].paragraphs.size(); ++p) {
                if (p > 0) out << ",";
                paragraphJson(out, cells[c].paragraphs[p]);
            }
            out << "]}";
        }
        out << "]";
    }
    out << "]}";
}

// "paragraphs" lists the blocks: paragraphs, and tables as {"table":[rows of cells]}.
std::string documentJson(const RtfReadResult& read) {
    std::ostringstream out;
    out << "{\"paragraphs\":[";
    for (std::size_t i = 0; i < read.document.blocks.size(); ++i) {
        if (i > 0) out << ",";
        if (const auto* paragraph = std::get_if<Paragraph>(&read.document.blocks[i])) paragraphJson(out, *paragraph);
        else tableJson(out, std::get<Table>(read.document.blocks[i]));
    }
    out << "]";
    if (!read.dropped.empty()) {
        out << ",\"dropped\":[";
        for (std::size_t i = 0; i < read.dropped.size(); ++i) out << (i > 0 ? "," : "") << "\"" << droppedName(read.dropped[i]) << "\"";
        out << "]";
    }
    out << "}\n";
    return out.str();
}

// Loads a file as the exercise area does; prints the French reason and gives nullopt when
// there is nothing to show.
std::optional<RtfReadResult> load(const std::string& path) {
    auto result = loadRtfFile(path);
    if (!result) {
        refuse(result.failure());
        return std::nullopt;
    }
    if (auto refusal = shownTextRefusal(result->excess)) {
        refuse(*refusal);
        return std::nullopt;
    }
    return std::move(result).value();
}

void usage() { std::cerr << "usage : tavir-cli rtf dump FICHIER | tavir-cli rtf roundtrip ENTRÉE SORTIE\n"; }

}  // namespace

int runRtf(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "dump") {
        const auto read = load(args[1]);
        if (!read) return kRefused;
        std::cout << documentJson(*read);
        return kOk;
    }
    if (args.size() == 3 && args[0] == "roundtrip") {
        const auto read = load(args[1]);
        if (!read) return kRefused;
        const FileDone saved = saveRtfFile(args[2], read->document);
        if (!saved) return refuse(saved.failure());
        std::cout << "{\"file\":" << jsonString(args[2]) << ",\"paragraphs\":" << read->document.blocks.size()
                  << "}\n";
        return kOk;
    }
    usage();
    return kBadCommandLine;
}

}  // namespace tavir::cli
