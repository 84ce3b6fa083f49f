#pragma once
// A small rich-text model, independent of any toolkit: what the exercise area shows and
// what its RTF files hold. The ui maps it to and from its own document.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavir {

struct TextColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const TextColour&, const TextColour&) = default;
};

enum class Alignment { Left, Center, Right, Justify };

inline constexpr std::string_view kDefaultFontName = "Arial";
inline constexpr int kDefaultHalfPoints = 24;  // RTF's own default size, 12 points

// One stretch of text in one format. Text is UTF-8; a line break inside the paragraph is
// "\n" and a tab is "\t"; no other control character appears.
// Sizes are kept in half-points, RTF's own unit, so that every size survives a save and a
// reload exactly; points() gives the size in points (9.5 for \fs19).
struct TextRun {
    std::string text;
    std::string font = std::string(kDefaultFontName);
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    TextColour color{};

    double points() const { return halfPoints / 2.0; }
    bool sameFormat(const TextRun& other) const;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

struct Paragraph {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;       // twips
    int firstLineIndent = 0;  // twips, relative to the left indent (may be negative)
    std::vector<TextRun> runs;

    // Appends a run, dropping it when empty and merging it into the last run when the
    // formats are the same, so that equal texts give equal models.
    void append(TextRun run);
    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

struct RichDocument {
    std::vector<Paragraph> paragraphs;
    friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

// The text alone: paragraphs joined by "\n" (no final one); line breaks stay "\n" and
// tabs "\t".
std::string plainText(const RichDocument& document);

// The same document with empty runs dropped and neighbouring runs of the same format
// merged: the form the reader always gives.
RichDocument normalized(const RichDocument& document);

}  // namespace tavir
