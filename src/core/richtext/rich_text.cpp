#include "core/richtext/rich_text.hpp"

#include <utility>

namespace tavir {

bool TextRun::sameFormat(const TextRun& other) const {
    return font == other.font && halfPoints == other.halfPoints && bold == other.bold && italic == other.italic &&
           underline == other.underline && color == other.color;
}

void Paragraph::append(TextRun run) {
    if (run.text.empty()) return;
    if (!runs.empty() && runs.back().sameFormat(run)) {
        runs.back().text += run.text;
        return;
    }
    runs.push_back(std::move(run));
}

std::string plainText(const RichDocument& document) {
    std::string out;
    bool first = true;
    for (const auto& paragraph : document.paragraphs) {
        if (!first) out += '\n';
        first = false;
        for (const auto& run : paragraph.runs) out += run.text;
    }
    return out;
}

RichDocument normalized(const RichDocument& document) {
    RichDocument out;
    out.paragraphs.reserve(document.paragraphs.size());
    for (const auto& paragraph : document.paragraphs) {
        Paragraph copy = paragraph;
        copy.runs.clear();
        for (const auto& run : paragraph.runs) copy.append(run);
        out.paragraphs.push_back(std::move(copy));
    }
    return out;
}

}  // namespace tavir
