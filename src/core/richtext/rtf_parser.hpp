#pragma once
// The RTF reader's state and its steps, implemented part by part of the format in the
// rtf_parser_*.cpp files; readRtf (rtf_reader.hpp) is its one user.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/richtext/rich_text.hpp"
#include "core/richtext/rtf_reader.hpp"
#include "core/richtext/shown_limits.hpp"

namespace tavir::rtf {

// Numbers past ten digits are read but not accumulated: the value stays in range.
constexpr int kMaxParameterDigits = 10;
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxIndent = 31680;  // 22 inches, wider than any page
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxUnicodeSkip = 255;
constexpr int kMaxPictureTwips = 31680;    // 22 inches
constexpr int kMaxPictureScale = 10000;    // percent
constexpr int kDefaultCellWidth = 1440;    // one inch, for cells without their \cellx
constexpr int kTwipsPerPixel = 15;         // at 96 dpi
constexpr int kMaxListLevel = 8;
constexpr std::size_t kMaxLists = 10000;

inline int clampTo(std::int64_t value, int low, int high) {
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

// ListTable: the list definitions and overrides, and the old \pn numbering: control words
// only. ShapeInstance: a shape's properties, of which only its picture and text box are shown.
enum class Destination { Text, FontTable, ColorTable, Picture, ListTable, ShapeInstance, ShapeName, Skip };

struct CharProps {
    int font = -1;  // -1: the document's default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Script script = Script::Normal;
    int color = 0;
    int highlight = 0;  // a colour table index; 0: none
    friend bool operator==(const CharProps&, const CharProps&) = default;
};

struct ParaProps {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    bool lineSpacingMultiple = false;
    int listOverride = 0;  // \lsN; 0: none
    int listLevel = 0;     // \ilvlN
    std::optional<ListKind> oldList;  // \pn numbering
    bool inTable = false;  // \intbl: the paragraph belongs to a table cell
};

// What a row's definition says of a cell, up to its \cellx.
struct CellDefinition {
    int rightEdge = 0;
    bool mergedWithPrevious = false;  // \clmrg
    VerticalMerge verticalMerge = VerticalMerge::None;
    int shading = 0;  // a colour table index; 0: none
};

struct GroupState {
    CharProps chars;
    ParaProps para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
    bool listText = false;  // inside \listtext or \pntext: a bullet or a number
};

inline bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

inline int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class RtfParser {
public:
    explicit RtfParser(std::string_view input) : in_(input) { stack_.emplace_back(); }
    RtfReadResult run();

private:
    GroupState& state() { return stack_.back(); }

    // Groups, control symbols and control words (rtf_parser_groups.cpp).
    void openGroup();
    void closeGroup();
    void byte(std::uint8_t b);
    void textByte(std::uint8_t b);
    void control();
    void controlWord();
    void skipBinary(std::int64_t length);

    // Which destination a control word opens or belongs to, and what is left out (rtf_parser_destinations.cpp).
    void skipDestination(std::string_view word);
    void noteDropped(DroppedContent content);
    void applyWord(const std::string& word, bool hasParameter, std::int64_t value);
    bool destinationWord(const std::string& word, std::int64_t value, bool starred);
    bool wordOfAnyDestination(const std::string& word, bool hasParameter, std::int64_t value);

    // Characters of the text and the looks of its runs (rtf_parser_characters.cpp).
    void characterWord(const std::string& word, bool hasParameter, std::int64_t value, bool on);
    void unicodeCharacter(std::int64_t value);
    void textCharacter(char32_t c);
    void flushSurrogate();
    void emit(char32_t c);
    TextRun runLook(const CharProps& props) const;
    void flushRun();

    // The font table and the colour table, and what a run's numbers in them give (rtf_parser_fonts_colours.cpp).
    void fontTableWord(const std::string& word, std::int64_t value);
    void colorTableWord(const std::string& word, std::int64_t value);
    std::string fontName(int number) const;
    std::optional<TextColour> colorIfGiven(int index) const;
    TextColour color(int index) const;
    void commitFont();
    void commitColor();
    void resetColor();

    // Paragraphs (rtf_parser_paragraphs.cpp).
    bool paragraphWord(const std::string& word, std::int64_t value, bool on);
    void setParagraphProps(const ParaProps& para);
    void paragraphEnd();
    Paragraph takeParagraph();
    void endParagraphOutsideTables();

    // Lists (rtf_parser_lists.cpp).
    std::optional<ListItem> listItem(const ParaProps& para) const;
    void startMarker();
    void endMarker();
    void startOldNumbering();
    void listWord(const std::string& word, std::int64_t value, bool starred);

    // Tables (rtf_parser_tables.cpp).
    bool tableWord(const std::string& word, std::int64_t value, bool on);
    void endParagraphInCell();
    void cellEnd();
    void endRow();
    void closeTable();

    // Pictures (rtf_parser_pictures.cpp).
    void startPicture();
    void pictureWord(const std::string& word, bool hasParameter, std::int64_t value, bool starred);
    void pictureHexDigit(std::uint8_t b);
    int shownSize(int goal, int scale, int source, std::size_t pngField) const;
    void endPicture();

    // Drawing shapes (rtf_parser_shapes.cpp).
    void startShape();
    void shapeWord(const std::string& word, std::int64_t value, bool starred);
    void endShape();

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;  // stack_[0] is outside every group; never empty
    std::size_t overflow_ = 0;       // groups opened past the depth limit
    bool damaged_ = false;
    bool finishing_ = false;  // past the end of the input
    bool starred_ = false;  // "\*" seen: the group is skipped unless its word is understood
    int pendingSkip_ = 0;   // fallback characters still to skip after \uN
    char32_t highSurrogate_ = 0;
    std::vector<DroppedContent> dropped_;

    int defaultFont_ = 0;
    std::map<int, std::string> fonts_;
    int fontNumber_ = 0;
    std::string fontName_;

    std::vector<std::optional<TextColour>> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;

    // The picture being read: its group's depth, its format once a format word came
    // (nullopt for a format the model does not keep).
    std::size_t pictureDepth_ = 0;
    Picture picture_;
    std::optional<PictureFormat> pictureFormat_;
    int pictureGoalWidth_ = 0, pictureGoalHeight_ = 0;
    int pictureScaleX_ = 100, pictureScaleY_ = 100;
    int pendingNibble_ = -1;

    // The table being read: its finished rows, the cells of the current row, the paragraphs
    // of the current cell and the right edges of the current row's definition.
    std::optional<Table> table_;
    TableRow row_;
    std::vector<Paragraph> cellParagraphs_;
    std::vector<CellDefinition> rowCells_;
    CellDefinition pendingCell_;

    // Lists: the levels' kinds of each list (by \listid; nullopt for a level without
    // numbers) and the list each override (\ls) stands for.
    std::map<int, std::vector<std::optional<ListKind>>> lists_;
    std::vector<std::optional<ListKind>> listLevels_;
    std::map<int, int> listOverrides_;
    int overrideList_ = 0;
    std::size_t oldNumberingDepth_ = 0;
    // A list item's marker, read aside until the paragraph tells whether its list is known.
    std::size_t markerDepth_ = 0;
    std::vector<TextRun> savedRuns_;
    std::vector<TextRun> marker_;
    std::size_t markerAt_ = 0;

    // The shape being read: its group's depth (0: none), its frame and whether it gave
    // something to show.
    std::size_t shapeDepth_ = 0;
    int shapeLeft_ = 0, shapeRight_ = 0, shapeTop_ = 0, shapeBottom_ = 0;
    bool shapeShown_ = false;
    bool shapePicture_ = false;
    std::string shapeName_;
    bool pictureInShape_ = false;

    RichDocument document_;
    Paragraph paragraph_;
    std::string runText_;
    CharProps runProps_;
    ShownTextMeter meter_;
};

}  // namespace tavir::rtf
