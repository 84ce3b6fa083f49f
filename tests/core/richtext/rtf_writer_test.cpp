#include "core/richtext/rtf_writer.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "richtext/describe.hpp"
#include "core/richtext/rtf_reader.hpp"
#include "core/richtext/shown_limits.hpp"

namespace tavir {
namespace {

using test::describe;

TextRun run(std::string text, std::string font = "Arial", int halfPoints = 20, TextColour color = {}, bool bold = false,
            bool italic = false, bool underline = false) {
    TextRun r;
    r.text = std::move(text);
    r.font = std::move(font);
    r.halfPoints = halfPoints;
    r.color = color;
    r.bold = bold;
    r.italic = italic;
    r.underline = underline;
    return r;
}

Paragraph paragraph(Alignment alignment, int leftIndent, int firstLineIndent, std::vector<TextRun> runs) {
    Paragraph p;
    p.alignment = alignment;
    p.leftIndent = leftIndent;
    p.firstLineIndent = firstLineIndent;
    for (auto& r : runs) p.append(std::move(r));
    return p;
}

constexpr TextColour kBlue{0, 0, 200};

TextRun scripted(std::string text, Script script) {
    TextRun r = run(std::move(text));
    r.script = script;
    return r;
}

TextRun picture(PictureFormat format, std::string data, int width, int height, int sourceWidth = 0, int sourceHeight = 0) {
    Picture p;
    p.format = format;
    p.data = std::move(data);
    p.width = width;
    p.height = height;
    p.sourceWidth = sourceWidth;
    p.sourceHeight = sourceHeight;
    return pictureRun(std::move(p), run(""));
}

TableCell cell(int rightEdge, std::vector<Paragraph> paragraphs) { return TableCell{rightEdge, std::move(paragraphs)}; }
Paragraph text(std::string t) { return paragraph(Alignment::Left, 0, 0, {run(std::move(t))}); }

// Every byte value, braces and backslashes among them: a picture's data is not text.
std::string everyByte() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
    return bytes;
}

struct RoundTripCase {
    std::string name;
    RichDocument document;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class RtfWriterRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RtfWriterRoundTrip, ReadsBackTheSameModel) {
    const RichDocument& document = GetParam().document;
    const std::string written = writeRtf(document);
    for (unsigned char c : written) ASSERT_LT(c, 0x80) << "the file stays 7-bit for every editor";
    const RtfReadResult back = readRtf(written);
    EXPECT_EQ(back.source, RtfSource::Rtf);
    EXPECT_FALSE(back.damaged);
    EXPECT_EQ(describe(back.document), describe(document)) << written;
    EXPECT_TRUE(back.document == document) << written;
}

INSTANTIATE_TEST_SUITE_P(
    RtfWriter, RtfWriterRoundTrip,
    testing::Values(
        RoundTripCase{"Introduction",
                      {{paragraph(Alignment::Center, 0, 0, {run("Tavir", "Arial", 36, kBlue)}),
                        paragraph(Alignment::Left, 20, 0,
                                  {run("Il suffit de déplacer les éléments avec "),
                                   run("le bouton gauche de la souris ", "Arial", 20, kBlue),
                                   run("et de modifier les liaisons.")})}}},
        RoundTripCase{"AccentsQuotesEuro",
                      {{paragraph(Alignment::Left, 0, 0,
                                  {run("« L’élève » paie 5 € — “déjà” ‘vu’… œuvre, Ÿ, ß, ñ, ½, ©")})}}},
        RoundTripCase{"OutsideCp1252",
                      {{paragraph(Alignment::Left, 0, 0,
                                  {run("α → Ω ✓ H₂O NH₄⁺ ≈ 109° 中文 😀 𝔸")})}}},
        RoundTripCase{"EmptyParagraphs",
                      {{paragraph(Alignment::Left, 0, 0, {}), paragraph(Alignment::Center, 0, 0, {run("a")}),
                        paragraph(Alignment::Right, 300, 0, {}), paragraph(Alignment::Left, 0, 0, {})}}},
        RoundTripCase{"RtfSpecials",
                      {{paragraph(Alignment::Left, 0, 0,
                                  {run("\\par {\\b pas gras} \\'e9 \\u233? }{ \\"),
                                   run("\\", "Arial", 20, {}, true)})}}},
        RoundTripCase{"BreaksAndTabs",
                      {{paragraph(Alignment::Left, 0, 0, {run("a\nb\tc\n\n\td\t")})}}},
        RoundTripCase{"TextThatLooksLikeParameters",
                      {{paragraph(Alignment::Left, 0, 0,
                                  {run("123 "), run("-5", "Arial", 20, kBlue), run(" x", "Arial", 20, {}, true),
                                   run("  leading spaces", "Times New Roman")})}}},
        RoundTripCase{"EveryFormat",
                      {{paragraph(Alignment::Justify, 567, -283,
                                  {run("b", "Arial", 19, {255, 0, 0}, true), run("i", "Arial", 19, {}, false, true),
                                   run("u", "Arial", 19, {}, false, false, true),
                                   run("biu", "Courier New", 2, {1, 2, 3}, true, true, true),
                                   run("big", "Arial", 3276, {255, 255, 255})}),
                        paragraph(Alignment::Right, -31680, 31680, {run("z")})}}},
        RoundTripCase{"FontNames",
                      {{paragraph(Alignment::Left, 0, 0,
                                  {run("a", "Liberation Sans"), run("b", "Fantaisie Éàç"), run("c", "Ka{r}\\ te"),
                                   run("d", "字体")})}}},
        RoundTripCase{"Scripts",
                      {{paragraph(Alignment::Left, 0, 0,
                                  {run("H"), scripted("3", Script::Subscript), run("O"), scripted("+", Script::Superscript),
                                   run(" et 10"), scripted("23", Script::Superscript)})}}},
        RoundTripCase{"PicturesOfEveryFormat",
                      {{paragraph(Alignment::Center, 0, 0,
                                  {run("a "), picture(PictureFormat::Png, everyByte(), 600, 300, 40, 20),
                                   picture(PictureFormat::Png, "\x89PNG", 15, 15),
                                   picture(PictureFormat::Jpeg, "\xff\xd8", 31680, 1),
                                   picture(PictureFormat::Wmf, std::string(3000, '\x01'), 1440, 720, 2540, 1270),
                                   picture(PictureFormat::Emf, "\x01\0\0\0", 300, 200), run(" b")})}}},
        RoundTripCase{"Tables",
                      {{Table{{TableRow{{cell(1500, {text("Molécule")}), cell(3000, {text("Formule")})}},
                               TableRow{{cell(1500, {text("eau")}),
                                         cell(3000, {paragraph(Alignment::Center, 0, 0,
                                                               {run("H"), scripted("2", Script::Subscript), run("O")}),
                                                     paragraph(Alignment::Left, 0, 0, {}), text("coudée")})}},
                               TableRow{{cell(2000, {paragraph(Alignment::Left, 0, 0, {})})}}}},
                        text("entre"), Table{{TableRow{{cell(-200, {text("bord")}), cell(31680, {text("x")})}}}}}}},
        RoundTripCase{"Nothing", {}}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

// What other editors need to find in the file.
struct WrittenFormCase {
    std::string name;
    std::string text;
    std::string expected;  // must appear in the file
};

void PrintTo(const WrittenFormCase& c, std::ostream* os) { *os << c.name; }

class RtfWriterEscapes : public testing::TestWithParam<WrittenFormCase> {};

TEST_P(RtfWriterEscapes, WriteTheEditorsForm) {
    RichDocument document{{paragraph(Alignment::Left, 0, 0, {run(GetParam().text)})}};
    const std::string written = writeRtf(document);
    EXPECT_NE(written.find(GetParam().expected), std::string::npos) << written;
}

INSTANTIATE_TEST_SUITE_P(
    RtfWriter, RtfWriterEscapes,
    testing::Values(WrittenFormCase{"Header", "x", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0"},
                    WrittenFormCase{"Specials", "\\{}", " \\\\\\{\\}\\par"},
                    WrittenFormCase{"AccentAsHex", "é", "\\'e9"},
                    WrittenFormCase{"EuroAsHex", "€", "\\'80"},
                    WrittenFormCase{"OutsideCodePageAsUnicode", "α", "\\u945?"},
                    WrittenFormCase{"HighBmpAsNegative", "ﬁ", "\\u-1279?"},
                    WrittenFormCase{"AstralAsSurrogatePair", "😀", "\\u-10179?\\u-8704?"},
                    WrittenFormCase{"LineBreak", "a\nb", "a\\line b"},
                    WrittenFormCase{"Tab", "a\tb", "a\\tab b"}),
    [](const testing::TestParamInfo<WrittenFormCase>& info) { return info.param.name; });

// The forms every editor reads: \\super closed before the next run (some readers let it
// outlive \\plain), a row with its edges and borders, a picture as lines of hex digits.
TEST(RtfWriter, WritesScriptsTablesAndPicturesAsTheEditorsDo) {
    const RichDocument document{{paragraph(Alignment::Left, 0, 0,
                                           {run("10"), scripted("23", Script::Superscript),
                                            picture(PictureFormat::Png, std::string(100, '\xab'), 600, 300, 40, 20)}),
                                 Table{{TableRow{{cell(1000, {text("a")}), cell(2000, {text("b"), text("c")})}}}}}};
    const std::string written = writeRtf(document);
    std::string hexLine;  // 64 bytes, then a line end
    for (int i = 0; i < 64; ++i) hexLine += "ab";
    const std::vector<std::string> forms = {
        "\\super\\cf1 23\\nosupersub\\plain",
        "{\\pict\\pngblip\\picw40\\pich20\\picwgoal600\\pichgoal300\r\n" + hexLine + "\r\n",
        "\\trowd\\trgaph70\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10"
        "\\cellx1000",
        "\\pard\\intbl\\plain\\f0\\fs20\\cf1 a\\cell\r\n\\pard\\intbl\\plain\\f0\\fs20\\cf1 b\\par\r\n"
        "\\pard\\intbl\\plain\\f0\\fs20\\cf1 c\\cell\r\n\\row\r\n"};
    for (const std::string& expected : forms)
        EXPECT_NE(written.find(expected), std::string::npos) << expected << "\nin\n" << written;
}

// Values the file cannot hold come back as the nearest ones it can.
TEST(RtfWriter, OutOfRangeValuesComeBackClamped) {
    RichDocument document{{paragraph(Alignment::Left, 99999, -99999,
                                     {run("a", "Bad;Na\tme", 0), run("b", "", 9000), run("c", "   ", 24),
                                      run("d\r\x01", "Arial", 24)})}};
    const RtfReadResult back = readRtf(writeRtf(document));
    EXPECT_FALSE(back.damaged);
    EXPECT_EQ(describe(back.document), "left li31680 fi-31680:[BadName 1]a[Arial 1638]b[Arial 12]cd");
}

// A hostile or simply large document must not make saving or loading hang: 60,000 runs in
// as many colours take well under a second optimised; a lookup growing with the table would
// take minutes. The bound leaves room for unoptimised builds on a busy machine.
TEST(RtfWriter, ManyColoursAndFontsStayQuick) {
    Paragraph p;
    for (int i = 0; i < static_cast<int>(kMaxShownRuns); ++i)
        p.append(run("x", "Police " + std::to_string(i % 5000), 20,
                     TextColour{static_cast<std::uint8_t>(i & 0xFF), static_cast<std::uint8_t>((i >> 8) & 0xFF), 7}));
    const RichDocument document{{p}};
    const auto start = std::chrono::steady_clock::now();
    const RtfReadResult back = readRtf(writeRtf(document));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 10000);
    EXPECT_TRUE(back.document == document);
}

TEST(RichTextModel, PlainTextJoinsParagraphs) {
    RichDocument document{{paragraph(Alignment::Center, 0, 0, {run("Titre")}), paragraph(Alignment::Left, 0, 0, {}),
                           paragraph(Alignment::Left, 20, 0, {run("a\nb", "Arial", 20, {}, true), run("\tc")})}};
    EXPECT_EQ(plainText(document), "Titre\n\na\nb\tc");
}

TEST(RichTextModel, PlainTextOfTablesAndPictures) {
    const RichDocument document{{text("avant"),
                                 Table{{TableRow{{cell(900, {text("a"), text("b")}), cell(1800, {text("c")})}},
                                        TableRow{{cell(900, {paragraph(Alignment::Left, 0, 0,
                                                                        {run("d"), picture(PictureFormat::Png, "x", 15, 15)})})}}}},
                                 text("après")}};
    EXPECT_EQ(plainText(document), "avant\na\nb\tc\nd\uFFFC\naprès");
    EXPECT_EQ(textBytes(document), plainText(document).size() - 5);  // no separators counted
}

TEST(RichTextModel, PicturesAndScriptsAreNeverMergedAway) {
    Paragraph p;
    p.append(picture(PictureFormat::Png, "x", 15, 15));
    p.append(picture(PictureFormat::Png, "x", 15, 15));
    p.append(scripted("2", Script::Subscript));
    p.append(run("2"));
    EXPECT_EQ(p.runs.size(), 4u);
}

struct BreakCase {
    std::string name;
    std::vector<TextRun> runs;
    std::size_t maxLength;
    std::vector<std::string> expected;  // the runs' texts after breaking
};

void PrintTo(const BreakCase& c, std::ostream* os) { *os << c.name; }

class LongWords : public testing::TestWithParam<BreakCase> {};

TEST_P(LongWords, AreBrokenByLineBreaks) {
    RichDocument document{{paragraph(Alignment::Left, 0, 0, {}),
                           Table{{TableRow{{cell(900, {paragraph(Alignment::Left, 0, 0, {})})}}}}}};
    for (const TextRun& r : GetParam().runs) {
        std::get<Paragraph>(document.blocks[0]).runs.push_back(r);
        std::get<Table>(document.blocks[1]).rows[0].cells[0].paragraphs[0].runs.push_back(r);
    }
    std::vector<std::string> original;
    for (const TextRun& r : GetParam().runs) original.push_back(r.text);
    EXPECT_EQ(breakLongWords(document, GetParam().maxLength), GetParam().expected != original);
    for (const Paragraph* p : {&std::get<Paragraph>(document.blocks[0]),
                               &std::get<Table>(document.blocks[1]).rows[0].cells[0].paragraphs[0]}) {
        std::vector<std::string> texts;
        for (const TextRun& r : p->runs) texts.push_back(r.text);
        EXPECT_EQ(texts, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    RichTextModel, LongWords,
    testing::Values(BreakCase{"OneLongWord", {run("aaaaa")}, 2, {"aa\naa\na"}},
                    BreakCase{"ExactlyTheLimit", {run("aaa bbb\tccc\nddd")}, 3, {"aaa bbb\tccc\nddd"}},
                    BreakCase{"AcrossRuns", {run("aa"), run("aa", "Times")}, 3, {"aa", "a\na"}},
                    BreakCase{"NoBreakSpaceIsPartOfTheWord", {run("ab\u00a0cd")}, 3, {"ab\u00a0\ncd"}},
                    BreakCase{"CharactersNotBytes", {run("ééééé")}, 2, {"éé\néé\né"}},
                    BreakCase{"PictureEndsAWord",
                              {run("aa"), picture(PictureFormat::Png, "x", 15, 15), run("aa")}, 2,
                              {"aa", std::string(kPictureCharacter), "aa"}}),
    [](const testing::TestParamInfo<BreakCase>& info) { return info.param.name; });

TEST(RichTextModel, AppendMergesSameFormatAndDropsEmptyRuns) {
    Paragraph p;
    p.append(run("a"));
    p.append(run(""));
    p.append(run("b"));
    p.append(run("c", "Arial", 20, {}, true));
    p.append(run("d", "Arial", 20, {}, true));
    p.append(run("e"));
    ASSERT_EQ(p.runs.size(), 3u);
    EXPECT_EQ(p.runs[0].text, "ab");
    EXPECT_EQ(p.runs[1].text, "cd");
    EXPECT_EQ(p.runs[2].text, "e");

    Paragraph raw;
    raw.runs = {run("x"), run(""), run("y"), run("z", "Times")};
    const RichDocument tidy = normalized(RichDocument{{raw}});
    ASSERT_EQ(tidy.blocks.size(), 1u);
    EXPECT_EQ(describe(tidy), "left:[Arial 10]xy[Times 10]z");

    // Tables side by side are one table in a file; empty rows, cells and tables are not kept.
    const RichDocument tables{{Table{{TableRow{{cell(900, {})}}, TableRow{}}}, Table{}, Table{{TableRow{{cell(800, {raw})}}}}}};
    EXPECT_EQ(describe(normalized(tables)), "table{(900)left: | (800)left:[Arial 10]xy[Times 10]z}");
}

}  // namespace
}  // namespace tavir
