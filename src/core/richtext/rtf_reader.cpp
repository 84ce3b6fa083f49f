#include "core/richtext/rtf_reader.hpp"

#include <cstdint>
#include <string>
#include <string_view>

#include "core/richtext/rtf_parser.hpp"
#include "core/text/encoding.hpp"

namespace tavir {

namespace rtf {

RtfReadResult RtfParser::run() {
    // Past a limit the rest is not read: the text is refused whatever it holds.
    while (pos_ < in_.size() && !meter_.over()) {
        const char c = in_[pos_++];
        switch (c) {
        case '{': openGroup(); break;
        case '}': closeGroup(); break;
        case '\\': control(); break;
        case '\r':
        case '\n': break;  // line ends in the source are only layout
        default: byte(static_cast<std::uint8_t>(c)); break;
        }
    }
    // Groups left open by a stop at a limit are not damage: the text is refused anyway.
    if ((stack_.size() > 1 || overflow_ > 0) && !meter_.over()) damaged_ = true;
    flushSurrogate();
    flushRun();
    // What the file left open: its last cell and row, its last paragraph without \par,
    // which keeps the properties its text was given.
    finishing_ = true;
    if (!paragraph_.runs.empty() && state().para.inTable) endParagraphInCell();
    if (!cellParagraphs_.empty() || !row_.cells.empty()) endRow();
    if (!paragraph_.runs.empty()) endParagraphOutsideTables();
    closeTable();
    RtfReadResult result;
    result.document = std::move(document_);
    result.source = RtfSource::Rtf;
    result.damaged = damaged_;
    result.dropped = std::move(dropped_);
    result.excess = meter_.excess();
    return result;
}

}  // namespace rtf

namespace {

// Where "{\rtf" starts after an optional byte-order mark and blank lines, or npos.
std::size_t rtfHeaderStart(std::string_view bytes) {
    std::size_t pos = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
    while (pos < bytes.size() && (bytes[pos] == ' ' || bytes[pos] == '\t' || bytes[pos] == '\r' || bytes[pos] == '\n'))
        ++pos;
    return bytes.substr(pos, 5) == "{\\rtf" ? pos : std::string_view::npos;
}

// One paragraph per line; UTF-8 when the bytes are valid UTF-8, else Windows-1252.
RichDocument readPlainText(std::string_view bytes, ShownTextMeter& meter) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const bool utf8 = isValidUtf8(bytes);
    RichDocument document;
    Paragraph paragraph;
    std::string line;
    auto endLine = [&] {
        TextRun run;
        run.text = std::move(line);
        line.clear();
        if (!run.text.empty()) meter.addRun(run.text);
        meter.addParagraph();
        paragraph.append(std::move(run));
        document.blocks.emplace_back(std::move(paragraph));
        paragraph = Paragraph{};
    };
    std::size_t pos = 0;
    while (pos < bytes.size() && !meter.over()) {
        const char32_t c = utf8 ? nextUtf8(bytes, pos) : cp1252ToUnicode(static_cast<std::uint8_t>(bytes[pos++]));
        if (c == U'\r') {
            if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
            endLine();
        } else if (c == U'\n') {
            endLine();
        } else if ((c == U'\t' || c >= 0x20) && c != 0xFFFC) {
            appendUtf8(line, c);
        }
    }
    if (!line.empty()) endLine();
    return document;
}

}  // namespace

RtfSource rtfSourceOf(std::string_view bytes) {
    // A text saved as UTF-16 holds NUL bytes: decoded first, it is an ordinary text.
    if (const auto decoded = utf16WithMarkToUtf8(bytes)) return rtfSourceOf(*decoded);
    if (rtfHeaderStart(bytes) != std::string_view::npos) return RtfSource::Rtf;
    return bytes.find('\0') != std::string_view::npos ? RtfSource::NotText : RtfSource::PlainText;
}

RtfReadResult readRtf(std::string_view bytes) {
    if (const auto decoded = utf16WithMarkToUtf8(bytes)) return readRtf(*decoded);
    RtfReadResult result;
    result.source = rtfSourceOf(bytes);
    if (result.source == RtfSource::Rtf) return rtf::RtfParser(bytes.substr(rtfHeaderStart(bytes))).run();
    if (result.source == RtfSource::NotText) return result;
    ShownTextMeter meter;
    result.document = readPlainText(bytes, meter);
    result.excess = meter.excess();
    return result;
}

}  // namespace tavir
