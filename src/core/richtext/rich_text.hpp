#pragma once
// A small rich-text model, independent of any toolkit: what the exercise area shows and
// what its RTF files hold. The ui maps it to and from its own document.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tavir {

struct TextColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const TextColour&, const TextColour&) = default;
};

enum class Alignment { Left, Center, Right, Justify };

// Sub- and superscripts: H₂O, H₃O⁺, 10²³ written with a raised or lowered smaller text.
enum class Script { Normal, Subscript, Superscript };

enum class PictureFormat { Png, Jpeg, Wmf, Emf };

inline constexpr std::string_view kDefaultFontName = "Arial";
inline constexpr int kDefaultHalfPoints = 24;  // RTF's own default size, 12 points
// What a picture's run holds as text: the object replacement character.
inline constexpr std::string_view kPictureCharacter = "\xEF\xBF\xBC";

// A picture inside a paragraph. Its bytes are kept as the file gave them, so that a save
// writes back exactly what was read even where the ui only shows a placeholder (WMF, EMF).
struct Picture {
    PictureFormat format = PictureFormat::Png;
    std::string data;
    int sourceWidth = 0;   // \picw \pich: pixels of a bitmap, the metafile's own units otherwise
    int sourceHeight = 0;
    int width = 0;         // the size it is shown at, in twips
    int height = 0;
    int metafileMapping = 8;  // the N of \wmetafileN (WMF only)
    friend bool operator==(const Picture&, const Picture&) = default;
};

// One stretch of text in one format. Text is UTF-8; a line break inside the paragraph is
// "\n" and a tab is "\t"; no other control character appears.
// Sizes are kept in half-points, RTF's own unit, so that every size survives a save and a
// reload exactly; points() gives the size in points (9.5 for \fs19).
// A run with a picture stands for that picture alone; its text is kPictureCharacter.
struct TextRun {
    std::string text;
    std::string font = std::string(kDefaultFontName);
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Script script = Script::Normal;
    TextColour color{};
    std::optional<TextColour> highlight;  // the marker pen's colour behind the text
    std::optional<Picture> picture;

    double points() const { return halfPoints / 2.0; }
    // Same look, so the two texts may be one run; never true for pictures.
    bool sameFormat(const TextRun& other) const;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// A run showing the picture, in the format of `look`.
TextRun pictureRun(Picture picture, const TextRun& look = {});

// How a list numbers its items; a bullet list shows the same mark before each.
enum class ListKind { Bullet, Decimal, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman };

// A paragraph that is an item of a list. Items of one list (the same `list`) and level are
// numbered in reading order, whatever stands between them; a new list starts again at 1.
struct ListItem {
    ListKind kind = ListKind::Bullet;
    int level = 0;  // 0 to 8
    int list = 1;   // which list of the document, from 1
    friend bool operator==(const ListItem&, const ListItem&) = default;
};

// What item `number` (from 1) of a list shows before its text: "•", "3.", "c.", "IV."...
std::string listMarker(ListKind kind, int number);

// Numbers list items in reading order: each list and level counts on its own, and an item
// starts the levels under it again.
class ListCounter {
public:
    int next(const ListItem& item);

private:
    std::map<int, std::vector<int>> counts_;
};

struct Paragraph {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;       // twips
    int firstLineIndent = 0;  // twips, relative to the left indent (may be negative)
    int spaceBefore = 0;      // twips
    int spaceAfter = 0;       // twips
    // 0: single. With lineSpacingMultiple, in 240ths of a line (360: one and a half lines);
    // else in twips, at least that much, or exactly when negative.
    int lineSpacing = 0;
    bool lineSpacingMultiple = false;
    std::optional<ListItem> list;
    std::vector<TextRun> runs;

    // Appends a run, dropping it when empty and merging it into the last run when the
    // formats are the same, so that equal texts give equal models.
    void append(TextRun run);
    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

// A cell merged with those under it: the first of them holds the text, the others are covered.
// Cells merged across (side by side) are one cell with the right edge of the last.
enum class VerticalMerge { None, First, Covered };

struct TableCell {
    TableCell() = default;
    TableCell(int edge, std::vector<Paragraph> texts, VerticalMerge merge = VerticalMerge::None,
              std::optional<TextColour> background = std::nullopt)
        : rightEdge(edge), paragraphs(std::move(texts)), verticalMerge(merge), shading(background) {}

    int rightEdge = 0;                  // twips from the row's left edge (\cellx)
    std::vector<Paragraph> paragraphs;  // at least one
    VerticalMerge verticalMerge = VerticalMerge::None;
    std::optional<TextColour> shading;  // the cell's background
    friend bool operator==(const TableCell&, const TableCell&) = default;
};

struct TableRow {
    std::vector<TableCell> cells;  // at least one
    friend bool operator==(const TableRow&, const TableRow&) = default;
};

struct Table {
    std::vector<TableRow> rows;  // at least one
    friend bool operator==(const Table&, const Table&) = default;
};

using Block = std::variant<Paragraph, Table>;

struct RichDocument {
    std::vector<Block> blocks;
    friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

// Every paragraph in reading order, those of the tables' cells included.
void forEachParagraph(const RichDocument& document, const std::function<void(const Paragraph&)>& visit);
void forEachParagraph(RichDocument& document, const std::function<void(Paragraph&)>& visit);

// The text alone: paragraphs joined by "\n" (no final one); line breaks stay "\n" and
// tabs "\t"; a table's cells are its paragraphs, each row's cells followed by "\t" but the
// last; a picture is kPictureCharacter.
std::string plainText(const RichDocument& document);
// The length in UTF-8 bytes of the texts of every run.
std::size_t textBytes(const RichDocument& document);

// The same document with empty runs dropped and neighbouring runs of the same format
// merged, empty rows and tables dropped, empty cells given one empty paragraph and tables
// side by side joined (a file cannot tell them apart): the form the reader always gives.
RichDocument normalized(const RichDocument& document);

// The longest word the area lays out in one piece: longer ones are broken by line breaks
// (a single word of a megabyte takes minutes to lay out).
inline constexpr std::size_t kMaxShownWordLength = 2000;

// Puts a line break into every word longer than maxLength characters (a word runs between
// blanks, line breaks and tabs; a run boundary does not end it), so that no piece is
// longer than maxLength. True when something was broken.
bool breakLongWords(RichDocument& document, std::size_t maxLength = kMaxShownWordLength);

}  // namespace tavir
