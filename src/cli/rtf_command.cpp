// rtf dump and rtf roundtrip: the exercise area's RTF loading and saving, without the window.
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.hpp"
#include "cli/json.hpp"
#include "core/richtext/rtf_file.hpp"

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

std::string documentJson(const RichDocument& document) {
    std::ostringstream out;
    out << "{\"paragraphs\":[";
    bool firstParagraph = true;
    for (const auto& paragraph : document.paragraphs) {
        if (!firstParagraph) out << ",";
        firstParagraph = false;
        out << "{\"align\":\"" << alignmentName(paragraph.alignment) << "\",\"indent\":" << paragraph.leftIndent
            << ",\"runs\":[";
        bool firstRun = true;
        for (const auto& run : paragraph.runs) {
            if (!firstRun) out << ",";
            firstRun = false;
            out << "{\"text\":" << jsonString(run.text) << ",\"font\":" << jsonString(run.font)
                << ",\"size\":" << sizeText(run.halfPoints) << ",\"bold\":" << (run.bold ? "true" : "false")
                << ",\"italic\":" << (run.italic ? "true" : "false")
                << ",\"underline\":" << (run.underline ? "true" : "false") << ",\"color\":\""
                << colorText(run.color) << "\"}";
        }
        out << "]}";
    }
    out << "]}\n";
    return out.str();
}

// Loads a file as the exercise area does; prints the French reason and gives nullopt when
// there is nothing to show.
std::optional<RichDocument> load(const std::string& path) {
    auto result = loadRtfFile(path);
    if (!result) {
        refuse(result.failure());
        return std::nullopt;
    }
    return std::move(result->document);
}

void usage() { std::cerr << "usage : tavir-cli rtf dump FICHIER | tavir-cli rtf roundtrip ENTRÉE SORTIE\n"; }

}  // namespace

int runRtf(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "dump") {
        const auto document = load(args[1]);
        if (!document) return kRefused;
        std::cout << documentJson(*document);
        return kOk;
    }
    if (args.size() == 3 && args[0] == "roundtrip") {
        const auto document = load(args[1]);
        if (!document) return kRefused;
        const FileDone saved = saveRtfFile(args[2], *document);
        if (!saved) return refuse(saved.failure());
        std::cout << "{\"file\":" << jsonString(args[2]) << ",\"paragraphs\":" << document->paragraphs.size()
                  << "}\n";
        return kOk;
    }
    usage();
    return kBadCommandLine;
}

}  // namespace tavir::cli
