#pragma once
// What must hold for any bytes given to the RTF reader, shared by the fuzzer and the corpus
// replay: the model it gives is well formed, and writing that model and reading it back
// gives the same model (and the same bytes when written again).
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "core/richtext/rtf_reader.hpp"
#include "core/richtext/rtf_writer.hpp"
#include "core/text/encoding.hpp"

namespace tavir::fuzz {

// "" when the model is what the reader promises, else what is wrong.
inline std::string checkParagraph(const Paragraph& paragraph) {
    {
        for (std::size_t i = 0; i < paragraph.runs.size(); ++i) {
            const TextRun& run = paragraph.runs[i];
            if (run.text.empty()) return "empty run";
            if (run.picture) {
                if (run.text != kPictureCharacter) return "picture run with text";
                if (run.picture->data.empty()) return "empty picture";
                if (run.picture->width < 1 || run.picture->width > 31680 || run.picture->height < 1 ||
                    run.picture->height > 31680)
                    return "picture size out of range";
            } else if (run.text.find(kPictureCharacter) != std::string::npos) {
                return "object character outside a picture";
            }
            if (i > 0 && paragraph.runs[i - 1].sameFormat(run)) return "runs of the same format not merged";
            if (!isValidUtf8(run.text)) return "text is not UTF-8";
            for (unsigned char c : run.text)
                if (c < 0x20 && c != '\n' && c != '\t') return "control character in text";
            if (run.font.empty() || !isValidUtf8(run.font)) return "bad font name [" + run.font + "]";
            for (unsigned char c : run.font)
                if (c < 0x20 || c == ';') return "bad character in font name [" + run.font + "]";
            if (run.halfPoints < 2 || run.halfPoints > 3276) return "size out of range";
        }
        if (paragraph.leftIndent < -31680 || paragraph.leftIndent > 31680) return "left indent out of range";
        if (paragraph.firstLineIndent < -31680 || paragraph.firstLineIndent > 31680)
            return "first-line indent out of range";
    }
    return {};
}

inline std::string checkReaderModel(const RichDocument& document) {
    for (const auto& block : document.blocks) {
        if (const auto* table = std::get_if<Table>(&block)) {
            if (table->rows.empty()) return "table without rows";
            for (const auto& row : table->rows) {
                if (row.cells.empty()) return "row without cells";
                for (const auto& cell : row.cells)
                    if (cell.paragraphs.empty()) return "cell without paragraphs";
            }
        }
    }
    std::string broken;
    forEachParagraph(document, [&](const Paragraph& paragraph) {
        if (broken.empty()) broken = checkParagraph(paragraph);
    });
    return broken;
}

inline std::string checkRtfRoundTrip(std::string_view input) {
    const RtfReadResult first = readRtf(input);
    if (first.source == RtfSource::NotText) {
        if (!first.document.blocks.empty()) return "refused input gave text";
        return {};
    }
    if (std::string broken = checkReaderModel(first.document); !broken.empty()) return broken;
    // Past a limit of the exercise area the text is refused, never shown nor saved.
    if (first.excess != ShownTextExcess::None) return {};
    const std::string written = writeRtf(first.document);
    for (unsigned char c : written)
        if (c >= 0x80) return "writer wrote a byte past ASCII";
    const RtfReadResult second = readRtf(written);
    if (second.source != RtfSource::Rtf) return "written text not read as RTF";
    if (second.damaged) return "written text read as damaged";
    if (!(second.document == first.document)) return "round trip changed the model:\n" + written;
    if (writeRtf(second.document) != written) return "second writing differs";
    return {};
}

}  // namespace tavir::fuzz
