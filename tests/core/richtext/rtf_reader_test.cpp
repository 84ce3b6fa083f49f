#include "core/richtext/rtf_reader.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "richtext/describe.hpp"

namespace tavir {
namespace {

using namespace std::string_literals;
using test::describe;

struct ReadCase {
    std::string name;
    std::string input;
    std::string expected;  // describe() of the document
};

std::string caseName(const testing::TestParamInfo<ReadCase>& info) { return info.param.name; }
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

// ---------------------------------------------------------------------------------------------
// Whole files as the three editors write them.

// WordPad on Windows 10: one \pard per paragraph, formatting switched on and off inline.
const std::string kWordPad =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1036{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
    "{\\f1\\fnil\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue200;\\red255\\green0\\blue0;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\qc\\cf1\\b\\f0\\fs36\\lang12 Mol\\'e9cules\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\li284\\cf0\\b0\\f1\\fs20 L'eau est \\cf2\\i coud\\'e9e\\cf0\\i0 , "
    "l'angle \\u945? vaut 104,5\\'b0.\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\fs22\\par\r\n"
    "}\r\n\0"s;

// LibreOffice Writer: style sheet, \rtlch \ltrch pairs, one group per run, \u with \'hh.
const std::string kLibreOffice =
    "{\\rtf1\\ansi\\deff3\\adeflang1025\n"
    "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f1\\froman\\fprq2\\fcharset2 Symbol;}"
    "{\\f2\\fswiss\\fprq2\\fcharset0 Arial;}{\\f3\\froman\\fprq2\\fcharset0 Liberation Serif{\\*\\falt Times New "
    "Roman};}{\\f4\\fswiss\\fprq2\\fcharset0 Liberation Sans{\\*\\falt Arial};}}\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green0\\blue200;}\n"
    "{\\stylesheet{\\s0\\snext0\\widctlpar\\hyphpar0\\ltrpar\\cf0\\kerning1\\dbch\\af5\\langfe2052\\dbch\\af6"
    "\\afs24\\alang1081\\loch\\f3\\hich\\af3\\fs24\\lang1036 Normal;}\n"
    "{\\s15\\sbasedon0\\snext16\\ilvl0\\outlinelevel0\\sb240\\sa120\\keepn\\ltrpar\\dbch\\af5\\dbch\\af6\\afs28"
    "\\loch\\f4\\fs28 Titre;}\n"
    "}{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\\info{\\creatim\\yr2024"
    "\\mo3\\dy12\\hr10\\min5}{\\revtim\\yr2024\\mo3\\dy12\\hr10\\min6}}{\\*\\userprops}\\deftab709\n"
    "\\hyphauto1\\viewscale100\n"
    "{\\*\\pgdsctbl\n"
    "{\\pgdsc0\\pgdscuse451\\pgwsxn11906\\pghsxn16838\\marglsxn1134\\pgdscnxt0 Standard;}}\n"
    "\\formshade{\\*\\pgdscno0}\\paperh16838\\paperw11906\\margl1134\\margr1134\\sectd\\sbknone\\sftnnar\n"
    "{\\*\\ftnsep\\chftnsep}\\pgndec\\pard\\plain \\s0\\widctlpar\\hyphpar0\\ltrpar\\cf0\\kerning1\\dbch\\af5"
    "\\langfe2052\\dbch\\af6\\afs24\\alang1081\\loch\\f3\\hich\\af3\\fs24\\lang1036\\qc{\\cf3\\fs36\\rtlch "
    "\\ltrch\\loch\\f2\n"
    "Le m\\u233\\'e9thane}\n"
    "\\par \\pard\\plain \\s0\\widctlpar\\hyphpar0\\ltrpar\\cf0\\kerning1\\dbch\\af5\\langfe2052\\dbch\\af6"
    "\\afs24\\alang1081\\loch\\f3\\hich\\af3\\fs24\\lang1036\\li567\\ri0\\lin567\\rin0\\fi-283\\qj{\\rtlch "
    "\\ltrch\\loch\n"
    "Formule CH}{\\fs16\\rtlch \\ltrch\\loch\n"
    "4}{\\rtlch \\ltrch\\loch\n"
    "\\u160\\'a0: t\\u233\\'e9tra\\u232\\'e8dre, angle \\u8776\\'3f 109\\u176\\'b0.}\n"
    "\\par }";

// TextEdit: font table without inner groups, "\" before the line end as paragraph mark,
// \uc0 before the characters past the code page, no \par after the last paragraph.
const std::string kTextEdit =
    "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2639\n"
    "\\cocoatextscaling0\\cocoaplatform0{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;\\f1\\fswiss\\fcharset0 "
    "Helvetica-Bold;}\n"
    "{\\colortbl;\\red255\\green255\\blue255;\\red0\\green0\\blue200;}\n"
    "{\\*\\expandedcolortbl;;\\csgenericrgb\\c0\\c0\\c78431;}\n"
    "\\paperw11900\\paperh16840\\margl1440\\margr1440\\vieww11520\\viewh8400\\viewkind0\n"
    "\\pard\\tx566\\tx1133\\tx1700\\tx2267\\pardirnatural\\qc\\partightenfactor0\n"
    "\n"
    "\\f1\\b\\fs36 \\cf2 Ions polyatomiques\\\n"
    "\\pard\\tx566\\tx1133\\pardirnatural\\partightenfactor0\n"
    "\n"
    "\\f0\\b0\\fs24 \\cf0 L'ion ammonium NH\\uc0\\u8324 \\u8314  est t\\'e9tra\\'e9drique.\\\n"
    "Deuxi\\'e8me ligne\\'a0: \\ul soulign\\'e9\\ulnone  et \\i italique\\i0 .}";

class RtfEditorSamples : public testing::TestWithParam<ReadCase> {};

TEST_P(RtfEditorSamples, ReadAsTheEditorShowsThem) {
    const RtfReadResult result = readRtf(GetParam().input);
    EXPECT_EQ(result.source, RtfSource::Rtf);
    EXPECT_FALSE(result.damaged);
    EXPECT_EQ(describe(result.document), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    RtfReader, RtfEditorSamples,
    testing::Values(
        ReadCase{"WordPad", kWordPad,
                 "center sa200 sl276x:[Calibri 18 b #0000c8]Molécules / "
                 "left li284 sa200 sl276x:[Arial 10]L'eau est [Arial 10 i #ff0000]coudée[Arial 10], l'angle α vaut 104,5°. / "
                 "left sa200 sl276x:"},
        ReadCase{"LibreOffice", kLibreOffice,
                 "center:[Arial 18 #0000c8]Le méthane / "
                 "justify li567 fi-283:[Liberation Serif 12]Formule CH[Liberation Serif 8]4"
                 "[Liberation Serif 12]\u00a0: tétraèdre, angle ≈ 109°."},
        ReadCase{"TextEdit", kTextEdit,
                 "center:[Helvetica-Bold 18 b #0000c8]Ions polyatomiques / "
                 "left:[Helvetica 12]L'ion ammonium NH₄⁺ est tétraédrique. / "
                 "left:[Helvetica 12]Deuxième ligne\u00a0: [Helvetica 12 u]souligné[Helvetica 12] et "
                 "[Helvetica 12 i]italique[Helvetica 12]."}),
    caseName);

// ---------------------------------------------------------------------------------------------
// One feature at a time. A body is wrapped in a header with two fonts and two colours unless
// it is a whole file itself.

std::string wrapped(const std::string& body) {
    if (body.starts_with("{\\rtf")) return body;
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times;}}"
           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue200;}\n" +
           body + "}";
}

class RtfReaderFeatures : public testing::TestWithParam<ReadCase> {};

TEST_P(RtfReaderFeatures, GiveTheExpectedDocument) {
    const RtfReadResult result = readRtf(wrapped(GetParam().input));
    EXPECT_EQ(result.source, RtfSource::Rtf);
    EXPECT_FALSE(result.damaged);
    EXPECT_EQ(describe(result.document), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, RtfReaderFeatures,
    testing::Values(
        ReadCase{"HexAccent", "Caf\\'e9 \\'c0 l'\\'e2ge", "left:[Arial 12]Café À l'âge"},
        ReadCase{"HexHighControls", "\\'80 \\'92\\'93\\'94 \\'9c\\'85", "left:[Arial 12]€ ’“” œ…"},
        ReadCase{"HexUndefinedByte", "a\\'81b", "left:[Arial 12]a\uFFFDb"},
        ReadCase{"HexControlsDropped", "a\\'00b\\'09c\\'0dd", "left:[Arial 12]ab→cd"},
        ReadCase{"RawHighByteIsCp1252", "caf\xe9 \x80", "left:[Arial 12]café €"},
        ReadCase{"OtherCodePageReadAsCp1252", "{\\rtf1\\ansi\\ansicpg1251 \\'e9}", "left:[Arial 12]é"},
        ReadCase{"UnicodeWithFallback", "Caf\\u233?", "left:[Arial 12]Café"},
        ReadCase{"UnicodeFallbackAfterSpace", "\\u233 ee", "left:[Arial 12]ée"},
        ReadCase{"UnicodeHexFallback", "\\u233\\'e9t\\u233\\'e9", "left:[Arial 12]été"},
        ReadCase{"Uc0SkipsNothing", "\\uc0\\u233\\u232 x", "left:[Arial 12]éèx"},
        ReadCase{"Uc2SkipsTwoCharacters", "\\uc2\\u8364 EU suite", "left:[Arial 12]€ suite"},
        ReadCase{"Uc2SkipsTwoHexEscapes", "\\uc2\\u8364\\'80\\'80x", "left:[Arial 12]€x"},
        ReadCase{"UcBelongsToItsGroup", "{\\uc2\\u233 ab}\\u233?c", "left:[Arial 12]ééc"},
        ReadCase{"SkippingEndsAtABrace", "\\uc3\\u233{x}", "left:[Arial 12]éx"},
        ReadCase{"FallbackControlWordNotObeyed", "\\u8220\\ldblquote x\\u233\\b y", "left:[Arial 12]“xéy"},
        ReadCase{"NegativeUnicode", "\\u-1279?", "left:[Arial 12]ﬁ"},
        ReadCase{"SurrogatePair", "\\u-10179?\\u-8704?", "left:[Arial 12]😀"},
        ReadCase{"LoneHighSurrogate", "\\u-10179?x", "left:[Arial 12]\uFFFDx"},
        ReadCase{"LoneLowSurrogate", "\\u-8704?x", "left:[Arial 12]\uFFFDx"},
        ReadCase{"UnicodeControlDropped", "a\\u10?b\\u9?c", "left:[Arial 12]ab→c"},
        ReadCase{"EscapedSpecials", "\\\\ \\{ \\}", "left:[Arial 12]\\ { }"},
        ReadCase{"ControlSymbols", "a\\~b\\-c\\_d", "left:[Arial 12]a\u00a0bc\u2011d"},
        ReadCase{"SymbolWords", "\\lquote a\\rquote \\ldblquote b\\rdblquote \\emdash\\endash\\bullet",
                 "left:[Arial 12]‘a’“b”—–•"},
        ReadCase{"LineAndTab", "a\\line b\\tab c", "left:[Arial 12]a⏎b→c"},
        ReadCase{"SourceLineEndsIgnored", "a\r\nb\nc\rd", "left:[Arial 12]abcd"},
        ReadCase{"UnknownWordsIgnored", "a\\foo123 b\\bar-5c\\zz d", "left:[Arial 12]abcd"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Formatting, RtfReaderFeatures,
    testing::Values(
        ReadCase{"BoldItalicUnderlineToggles", "a\\b b\\b0 c\\i d\\i0 e\\ul f\\ul0 g\\ul h\\ulnone i",
                 "left:[Arial 12]a[Arial 12 b]b[Arial 12]c[Arial 12 i]d[Arial 12]e[Arial 12 u]f[Arial 12]g"
                 "[Arial 12 u]h[Arial 12]i"},
        ReadCase{"UnderlineStyles", "\\uldb a\\ulnone b\\ulwave c\\ulc1 d", "left:[Arial 12 u]a[Arial 12]b[Arial 12 u]cd"},
        ReadCase{"HalfPointSizes", "\\fs19 a\\fs20 b\\fs0 c\\fs d", "left:[Arial 9.5]a[Arial 10]b[Arial 12]cd"},
        ReadCase{"FontByNumber", "\\f1 a\\f0 b", "left:[Times 12]a[Arial 12]b"},
        ReadCase{"MissingFontIsArial", "\\f1 a\\f7 b\\f-3 c", "left:[Times 12]a[Arial 12]bc"},
        ReadCase{"Colours", "\\cf1 r\\cf2 b\\cf0 k", "left:[Arial 12 #ff0000]r[Arial 12 #0000c8]b[Arial 12]k"},
        ReadCase{"OutOfRangeColoursAreBlack", "\\cf1 r\\cf3 x\\cf-1 y\\cf0 z", "left:[Arial 12 #ff0000]r[Arial 12]xyz"},
        ReadCase{"NoColourTable", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\cf2 x}", "left:[Arial 12]x"},
        ReadCase{"NoFontTable", "{\\rtf1 \\f2 x}", "left:[Arial 12]x"},
        ReadCase{"DefaultFont", "{\\rtf1\\deff1{\\fonttbl{\\f0 Alpha;}{\\f1 Beta;}}x\\f0 y\\plain z}",
                 "left:[Beta 12]x[Alpha 12]y[Beta 12]z"},
        ReadCase{"FontTableWithoutGroups", "{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fnil Menlo;}\\f1 x}",
                 "left:[Menlo 12]x"},
        ReadCase{"FontNameWithEscapes", "{\\rtf1{\\fonttbl{\\f0\\fnil Caf\\'e9  Sans ;}}x}", "left:[Café  Sans 12]x"},
        ReadCase{"EmptyFontNameIsArial", "{\\rtf1{\\fonttbl{\\f0\\fnil ;}}x}", "left:[Arial 12]x"},
        ReadCase{"NestedGroupsRestore", "a{\\b b{\\i\\cf1 c}d}e",
                 "left:[Arial 12]a[Arial 12 b]b[Arial 12 b i #ff0000]c[Arial 12 b]d[Arial 12]e"},
        ReadCase{"PlainResetsCharacters", "\\b\\i\\ul\\fs40\\cf1\\f1 x\\plain y",
                 "left:[Times 20 b i u #ff0000]x[Arial 12]y"},
        ReadCase{"SameFormatsMerged", "{\\b a}{\\b b}\\cf0 c\\cf7 d", "left:[Arial 12 b]ab[Arial 12]cd"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, RtfReaderFeatures,
    testing::Values(
        ReadCase{"Alignments", "\\ql a\\par\\qc b\\par\\qr c\\par\\qj d\\par",
                 "left:[Arial 12]a / center:[Arial 12]b / right:[Arial 12]c / justify:[Arial 12]d"},
        ReadCase{"PardResets", "\\qc\\li100\\fi50 a\\par\\pard b\\par", "center li100 fi50:[Arial 12]a / left:[Arial 12]b"},
        ReadCase{"PropertiesAtTheParagraphEnd", "a\\qr\\par", "right:[Arial 12]a"},
        ReadCase{"NegativeFirstLineIndent", "\\li567\\fi-283 x", "left li567 fi-283:[Arial 12]x"},
        ReadCase{"ParagraphPropertiesInAGroup", "{\\pard\\qc T\\par}b\\par", "center:[Arial 12]T / left:[Arial 12]b"},
        ReadCase{"LastParagraphWithoutPar", "a\\par b", "left:[Arial 12]a / left:[Arial 12]b"},
        ReadCase{"NoParagraphAfterTheLastPar", "a\\par", "left:[Arial 12]a"},
        ReadCase{"EmptyParagraphsKept", "\\par a\\par\\qc\\par", "left: / left:[Arial 12]a / center:"},
        ReadCase{"BackslashLineEndIsAParagraph", "a\\\nb\\\r\nc", "left:[Arial 12]a / left:[Arial 12]b / left:[Arial 12]c"},
        ReadCase{"EmptyDocument", "{\\rtf1}", ""}),
    caseName);

// What a worksheet typed in a word processor holds besides its text.
INSTANTIATE_TEST_SUITE_P(
    Worksheets, RtfReaderFeatures,
    testing::Values(
        ReadCase{"Spacing", "\\sb120\\sa240\\sl360\\slmult1 a\\par\\pard\\sl-300 b",
                 "left sb120 sa240 sl360x:[Arial 12]a / left sl-300:[Arial 12]b"},
        ReadCase{"HighlightAndCharacterShading", "{\\highlight1 a}{\\chcbpat2 b}{\\highlight0 c}",
                 "left:[Arial 12 hl#ff0000]a[Arial 12 hl#0000c8]b[Arial 12]c"},
        ReadCase{"ListTableBulletsAndNumbers",
                 "{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext \\'01\\u8226 ?;}}{\\listlevel\\levelnfc4}\\listid7}"
                 "{\\list{\\listlevel\\levelnfc0{\\leveltext \\'02\\'00.;}}\\listid9}}"
                 "{\\listoverridetable{\\listoverride\\listid7\\ls1}{\\listoverride\\listid9\\ls2}}"
                 "{\\listtext \\'95\\tab}\\ls1 a\\par{\\listtext a.\\tab}\\ls1\\ilvl1 b\\par\\pard{\\listtext 1.\\tab}\\ls2 c\\par",
                 "left list:bullet.0#1:[Arial 12]a / left list:a.1#1:[Arial 12]b / left list:decimal.0#2:[Arial 12]c"},
        ReadCase{"UnknownListKeepsItsMarker", "{\\listtext 1.\\tab}\\ls5 a", "left:[Arial 12]1.→a"},
        ReadCase{"PrivateUseBulletShown", "{\\listtext \\u61623?\\tab}a \\u61607?", "left:[Arial 12]•→a ▪"},
        ReadCase{"CellsMergedAcross",
                 "\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\cellx3000\\intbl Total\\cell\\cell 9\\cell\\row",
                 "table{(2000)left:[Arial 12]Total (3000)left:[Arial 12]9}"},
        ReadCase{"CellsMergedDownAndShaded",
                 "\\trowd\\clvmgf\\clcbpat1\\cellx1000\\cellx2000\\intbl eau\\cell a\\cell\\row"
                 "\\trowd\\clvmrg\\cellx1000\\cellx2000\\intbl\\cell b\\cell\\row",
                 "table{(1000 v #ff0000)left:[Arial 12]eau (2000)left:[Arial 12]a | (1000 ^)left: (2000)left:[Arial 12]b}"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Destinations, RtfReaderFeatures,
    testing::Values(
        ReadCase{"IgnorableDestination", "a{\\*\\unknown secret {\\b deeper}}b", "left:[Arial 12]ab"},
        ReadCase{"ParInsideSkippedGroup", "a{\\*\\x \\par}b", "left:[Arial 12]ab"},
        ReadCase{"KnownDestinations",
                 "{\\info{\\title T}{\\author X}}{\\stylesheet{\\s0 Normal;}}a{\\header H}{\\footer F}"
                 "{\\footnote N}{\\*\\generator G}b",
                 "left:[Arial 12]ab"},
        ReadCase{"FieldResultKept", "{\\field{\\*\\fldinst{HYPERLINK \"http://x\"}}{\\fldrslt{\\ul lien}}}",
                 "left:[Arial 12 u]lien"},
        ReadCase{"FieldInstructionWithoutStar", "{\\field{\\fldinst PAGE}{\\fldrslt 3}}", "left:[Arial 12]3"},
        ReadCase{"OldNumberingIsAListItsTextDropped", "{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody{\\pntxta .}}Item",
                 "left list:decimal.0#32000:[Arial 12]Item"},
        ReadCase{"BinaryBracesNotCounted", "a{\\pict\\bin6 }{\\b{x}c", "left:[Arial 12]ac"},
        ReadCase{"BinaryOutsidePicture", "a\\bin3 xyzb", "left:[Arial 12]ab"},
        ReadCase{"NegativeBinary", "a\\bin-5 b", "left:[Arial 12]ab"},
        ReadCase{"TextAfterTheDocument", "{\\rtf1 a}\r\n", "left:[Arial 12]a"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Scripts, RtfReaderFeatures,
    testing::Values(
        ReadCase{"SubAndSuper", "CH\\sub 4\\nosupersub  et 10\\super 23\\super0 .",
                 "left:[Arial 12]CH[Arial 12 sub]4[Arial 12] et 10[Arial 12 super]23[Arial 12]."},
        ReadCase{"UpAndDownAsLibreOfficeWrites", "H{{\\*\\updnprop8000}\\dn2 3}O{\\up8 +}{\\up0 x}{\\up y}",
                 "left:[Arial 12]H[Arial 12 sub]3[Arial 12]O[Arial 12 super]+[Arial 12]x[Arial 12 super]y"},
        ReadCase{"GroupAndPlainEndThem", "{\\sub 2}a\\super b\\plain c", "left:[Arial 12 sub]2[Arial 12]a[Arial 12 super]b[Arial 12]c"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Tables, RtfReaderFeatures,
    testing::Values(
        ReadCase{"LibreOfficeRow", "\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell\\pard\\intbl b\\cell\\row\\pard c\\par",
                 "table{(1000)left:[Arial 12]a (2000)left:[Arial 12]b} / left:[Arial 12]c"},
        ReadCase{"WordRowDefinitionAtTheEnd",
                 "\\pard\\intbl a\\cell b\\cell\\pard\\intbl{\\trowd\\cellx500\\cellx900\\row}\\pard after\\par",
                 "table{(500)left:[Arial 12]a (900)left:[Arial 12]b} / left:[Arial 12]after"},
        ReadCase{"RowsMakeOneTable", "\\trowd\\cellx900\\pard\\intbl a\\cell\\row\\trowd\\cellx900\\pard\\intbl b\\cell\\row",
                 "table{(900)left:[Arial 12]a | (900)left:[Arial 12]b}"},
        ReadCase{"AParagraphSplitsTables",
                 "\\trowd\\cellx900\\intbl a\\cell\\row\\pard p\\par\\trowd\\cellx900\\intbl b\\cell\\row",
                 "table{(900)left:[Arial 12]a} / left:[Arial 12]p / table{(900)left:[Arial 12]b}"},
        ReadCase{"CellWithParagraphs", "\\trowd\\cellx1000\\pard\\intbl\\qc one\\par two\\cell\\row",
                 "table{(1000)center:[Arial 12]one ¶ center:[Arial 12]two}"},
        ReadCase{"EmptyCellsAndMissingEdges", "\\trowd\\cellx700\\pard\\intbl\\cell\\cell x\\cell\\row",
                 "table{(700)left: (2140)left: (3580)left:[Arial 12]x}"},
        ReadCase{"UnfinishedRowAtTheEnd", "\\trowd\\cellx900\\pard\\intbl a\\cell b",
                 "table{(900)left:[Arial 12]a (2340)left:[Arial 12]b}"},
        ReadCase{"NestedTableTextStaysInItsCell",
                 "\\trowd\\cellx3000\\pard\\intbl outer\\par\\itap2 in1\\nestcell in2\\nestcell"
                 "{\\*\\nesttableprops\\trowd\\cellx900\\cellx1800\\nestrow}\\itap1 \\cell\\row",
                 "table{(3000)left:[Arial 12]outer ¶ left:[Arial 12]in1 ¶ left:[Arial 12]in2 ¶ left:}"}),
    caseName);

// A PNG's first 24 bytes: signature, IHDR of 40 x 20 pixels.
const std::string kPngHeader = "89504e470d0a1a0a0000000d4948445200000028 00000014";

INSTANTIATE_TEST_SUITE_P(
    Pictures, RtfReaderFeatures,
    testing::Values(
        ReadCase{"PngAtItsGoalSize", "a{\\pict\\pngblip\\picw40\\pich20\\picwgoal600\\pichgoal300\r\n8950 4e47\r\n0d0a}b",
                 "left:[Arial 12]a[Arial 12]<png 600x300 6B>[Arial 12]b"},
        ReadCase{"ScaledJpeg", "{\\pict\\jpegblip\\picwgoal1000\\pichgoal500\\picscalex50\\picscaley200 ffd8ffe0}",
                 "left:[Arial 12]<jpeg 500x1000 4B>"},
        ReadCase{"BitmapSizeFromItsPixels", "{\\pict\\pngblip\\picw10\\pich4 00}", "left:[Arial 12]<png 150x60 1B>"},
        ReadCase{"PngSizeFromItsHeader", "{\\pict\\pngblip " + kPngHeader + "}", "left:[Arial 12]<png 600x300 24B>"},
        ReadCase{"WmfSizeInHundredthsOfAMillimetre", "{\\pict\\wmetafile8\\picw2540\\pich1270 0100}",
                 "left:[Arial 12]<wmf 1440x720 2B>"},
        ReadCase{"EmfKeepsItsBytes", "{\\pict\\emfblip\\picwgoal300\\pichgoal200 01000000}", "left:[Arial 12]<emf 300x200 4B>"},
        ReadCase{"BinaryDataWithBraces", "{\\pict\\pngblip\\picwgoal15\\pichgoal15\\bin3 \x01}\x02}x",
                 "left:[Arial 12]<png 15x15 3B>[Arial 12]x"},
        ReadCase{"ShppictPreferredToItsCopy",
                 "{\\*\\shppict{\\pict\\pngblip\\picwgoal20\\pichgoal20 aa}}{\\nonshppict{\\pict\\wmetafile8\\picwgoal20"
                 "\\pichgoal20 bb}}",
                 "left:[Arial 12]<png 20x20 1B>"},
        ReadCase{"PicturePropertiesAreNotData",
                 "{\\pict{\\*\\picprop{\\sp{\\sn wzName}{\\sv abc}}}\\pngblip\\picwgoal20\\pichgoal20 {\\*\\blipuid 0123}aa}",
                 "left:[Arial 12]<png 20x20 1B>"},
        ReadCase{"PictureTakesTheRunsLook", "{\\b\\cf1 x{\\pict\\pngblip\\picwgoal20\\pichgoal20 aa}}",
                 "left:[Arial 12 b #ff0000]x[Arial 12 b #ff0000]<png 20x20 1B>"},
        ReadCase{"EmptyPictureLeftOut", "a{\\pict\\pngblip\\picwgoal20\\pichgoal20}b", "left:[Arial 12]ab"},
        ReadCase{"ObjectShownByItsResult",
                 "{\\object\\objemb{\\*\\objclass Equation}{\\*\\objdata 0102}{\\result{\\pict\\wmetafile8\\picwgoal100"
                 "\\pichgoal100 03}}}",
                 "left:[Arial 12]<wmf 100x100 1B>"},
        ReadCase{"ObjectCharacterIsNoText", "a\\u65532?b", "left:[Arial 12]ab"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Lists, RtfReaderFeatures,
    testing::Values(
        ReadCase{"WordSymbolBullet",
                 "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\listtext\\pard\\plain\\f1 \\'b7\\tab}\\f0 item"
                 "\\par \\f1 \\'b7}",
                 "left:[Symbol 12]•→[Arial 12]item / left:[Symbol 12]·"},
        ReadCase{"LibreOfficeBullet", "{\\listtext\\pard\\plain \\u8226\\'95\\tab}\\ls1\\li709\\fi-283 item",
                 "left li709 fi-283:[Arial 12]•→item"},
        ReadCase{"NumberedItem", "{\\listtext\\pard\\plain  2.\\tab}\\ilvl0\\ls2 deux", "left:[Arial 12] 2.→deux"}),
    caseName);

// What a file held that the model leaves out is said, each kind once; looks are not.
struct DroppedCase {
    std::string name;
    std::string body;
    std::vector<DroppedContent> dropped;
    std::string expected;
};

void PrintTo(const DroppedCase& c, std::ostream* os) { *os << c.name; }

class RtfDroppedContent : public testing::TestWithParam<DroppedCase> {};

TEST_P(RtfDroppedContent, IsNotedOnceInTheOrderMet) {
    const RtfReadResult result = readRtf(wrapped(GetParam().body));
    EXPECT_EQ(result.dropped, GetParam().dropped);
    EXPECT_EQ(describe(result.document), GetParam().expected);
}

using enum DroppedContent;
INSTANTIATE_TEST_SUITE_P(
    RtfReader, RtfDroppedContent,
    testing::Values(
        DroppedCase{"HeadersAndFooters", "{\\header H}{\\footerf F}t", {HeadersAndFooters}, "left:[Arial 12]t"},
        DroppedCase{"FootnoteAndItsMark", "t{\\super\\chftn}{\\footnote\\pard\\plain{\\super\\chftn} N}", {Notes},
                    "left:[Arial 12]t"},
        DroppedCase{"Comment", "{\\*\\atnid X}{\\*\\annotation C}t", {Comments}, "left:[Arial 12]t"},
        DroppedCase{"EmbeddedObject", "{\\object{\\*\\objdata 01}{\\result t}}", {Objects}, "left:[Arial 12]t"},
        DroppedCase{"TextBoxKeepsItsText", "{\\shp{\\*\\shpinst{\\sp{\\sn shapeType}{\\sv 202}}{\\shptxt boxed}}}t", {Shapes},
                    "left:[Arial 12]boxedt"},
        DroppedCase{"LineShape", "a{\\shp{\\*\\shpinst{\\sp{\\sn shapeType}{\\sv 20}}}{\\shprslt{\\*\\do x}}}b", {Shapes},
                    "left:[Arial 12]ab"},
        DroppedCase{"FloatingPictureShownInline",
                    "a{\\shp{\\*\\shpinst\\shpleft100\\shpright1600\\shptop0\\shpbottom750{\\sp{\\sn pib}{\\sv {\\pict\\pngblip"
                    "\\picw40\\pich20 89504e47}}}{\\sp{\\sn fillBlip}{\\sv {\\pict\\pngblip 89504e47}}}}}b",
                    {FloatingPictures}, "left:[Arial 12]a[Arial 12]<png 1500x750 4B>[Arial 12]b"},
        DroppedCase{"OtherPictureFormat", "{\\pict\\dibitmap0 0102}t", {Pictures}, "left:[Arial 12]t"},
        DroppedCase{"EachKindOnce", "{\\header a}{\\footnote b}{\\footer c}{\\pict\\macpict 01}{\\footnote d}",
                    {HeadersAndFooters, Notes, Pictures}, ""},
        DroppedCase{"LooksAreNotContent",
                    "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}{\\*\\generator G}{\\*\\listtable{\\list}}"
                    "\\paperw11906\\margl1134 t",
                    {}, "left:[Arial 12]t"}),
    [](const testing::TestParamInfo<DroppedCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------------------------
// Damaged files: read as far as possible, flagged, never a fault.

struct BrokenCase {
    std::string name;
    std::string input;
    std::string expected;
    bool damaged;
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

class RtfBrokenInput : public testing::TestWithParam<BrokenCase> {};

TEST_P(RtfBrokenInput, ReadsWhatItCan) {
    const RtfReadResult result = readRtf(GetParam().input);
    EXPECT_EQ(result.source, RtfSource::Rtf);
    EXPECT_EQ(result.damaged, GetParam().damaged);
    EXPECT_EQ(describe(result.document), GetParam().expected);
}

const std::string k50Digits(50, '9');

INSTANTIATE_TEST_SUITE_P(
    RtfReader, RtfBrokenInput,
    testing::Values(
        BrokenCase{"ExtraClosingBraces", "{\\rtf1 a}}} b", "left:[Arial 12]a b", true},
        BrokenCase{"ExtraClosingBraceInside", "{\\rtf1 {\\b a}} b\\par}", "left:[Arial 12 b]a[Arial 12] b", true},
        BrokenCase{"MissingClosingBraces", "{\\rtf1 {\\b a", "left:[Arial 12 b]a", true},
        BrokenCase{"TruncatedInControlWord", "{\\rtf1 ab\\fs", "left:[Arial 12]ab", true},
        BrokenCase{"TruncatedInParameter", "{\\rtf1 ab\\fs4", "left:[Arial 12]ab", true},
        BrokenCase{"TruncatedAfterBackslash", "{\\rtf1 x\\", "left:[Arial 12]x", true},
        BrokenCase{"TruncatedInHexEscape", "{\\rtf1 caf\\'e", "left:[Arial 12]caf", true},
        BrokenCase{"TruncatedAtHexEscape", "{\\rtf1 caf\\'", "left:[Arial 12]caf", true},
        BrokenCase{"BadHexEscape", "{\\rtf1 a\\'zzb}", "left:[Arial 12]azzb", true},
        BrokenCase{"TruncatedUnicodeFallback", "{\\rtf1 x\\u233", "left:[Arial 12]xé", true},
        BrokenCase{"FiftyDigitSize", "{\\rtf1 \\fs" + k50Digits + " x}", "left:[Arial 1638]x", false},
        BrokenCase{"FiftyDigitNegativeIndent", "{\\rtf1 \\li-" + k50Digits + " x}", "left li-31680:[Arial 12]x", false},
        BrokenCase{"FiftyDigitUnicode", "{\\rtf1 \\u" + k50Digits + "?x}", "left:[Arial 12]\uFFFDx", false},
        BrokenCase{"FiftyDigitColourAndFont", "{\\rtf1 \\cf" + k50Digits + "\\f" + k50Digits + "\\b" + k50Digits + " x}",
                   "left:[Arial 12 b]x", false},
        BrokenCase{"FiftyDigitUc", "{\\rtf1 \\uc" + k50Digits + "\\u233 abc{d}}", "left:[Arial 12]éd", false},
        BrokenCase{"NulBytes", "{\\rtf1 a\0b\\'00c\0}\0\0"s, "left:[Arial 12]abc", false},
        BrokenCase{"HugeBinary", "{\\rtf1 a\\bin99999999999999 xyz}", "left:[Arial 12]a", true},
        BrokenCase{"BinaryPastTheEnd", "{\\rtf1 a{\\pict\\bin20 0123}", "left:[Arial 12]a", true},
        BrokenCase{"UnterminatedFontTable", "{\\rtf1{\\fonttbl{\\f0 Arial;}", "", true},
        BrokenCase{"ColourComponentsClamped", "{\\rtf1{\\colortbl;\\red999\\green-4\\blue" + k50Digits + ";}\\cf1 x}",
                   "left:[Arial 12 #ff00ff]x", false}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

// Hostile depth: the reader must finish quickly, keep the text and restore the state once
// the groups close.
TEST(RtfReaderDepth, HundredThousandNestedGroupsEndQuickly) {
    const int depth = 100000;
    std::string input = "{\\rtf1 ";
    for (int i = 0; i < depth; ++i) input += "{\\b ";
    input += "x";
    input += std::string(depth, '}');
    input += " y}";
    const auto start = std::chrono::steady_clock::now();
    const RtfReadResult result = readRtf(input);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2000);
    EXPECT_TRUE(result.damaged);
    EXPECT_EQ(describe(result.document), "left:[Arial 12 b]x[Arial 12] y");
}

TEST(RtfReaderDepth, OpeningBracesOnlyAndClosingBracesOnly) {
    const std::string opening = "{\\rtf1 a" + std::string(100000, '{') + "b";
    const RtfReadResult open = readRtf(opening);
    EXPECT_TRUE(open.damaged);
    EXPECT_EQ(describe(open.document), "left:[Arial 12]ab");

    const std::string closing = "{\\rtf1 a" + std::string(100000, '}') + "b";
    const RtfReadResult close = readRtf(closing);
    EXPECT_TRUE(close.damaged);
    EXPECT_EQ(describe(close.document), "left:[Arial 12]ab");
}

TEST(RtfReaderDepth, SkippedDestinationPastTheLimitEndsWithItsGroup) {
    // The groups past the limit share the deepest state: a skipped destination there hides
    // the text up to the end of the deepest real group, and no further.
    std::string input = "{\\rtf1 ";
    for (std::size_t i = 0; i < kMaxGroupDepth + 5; ++i) input += "{";
    input += "{\\*\\x hidden}";
    input += std::string(kMaxGroupDepth + 5, '}');
    input += "shown}";
    const RtfReadResult result = readRtf(input);
    EXPECT_EQ(describe(result.document), "left:[Arial 12]shown");
}

// ---------------------------------------------------------------------------------------------
// Files without the RTF header.

struct SourceCase {
    std::string name;
    std::string input;
    RtfSource source;
    std::string expected;
};

void PrintTo(const SourceCase& c, std::ostream* os) { *os << c.name; }

class RtfWithoutHeader : public testing::TestWithParam<SourceCase> {};

TEST_P(RtfWithoutHeader, ReadAsPlainTextOrRefused) {
    const RtfReadResult result = readRtf(GetParam().input);
    EXPECT_EQ(result.source, GetParam().source);
    EXPECT_EQ(describe(result.document), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    RtfReader, RtfWithoutHeader,
    testing::Values(
        SourceCase{"PlainLines", "Ligne un\r\nLigne deux\n\nFin", RtfSource::PlainText,
                   "left:[Arial 12]Ligne un / left:[Arial 12]Ligne deux / left: / left:[Arial 12]Fin"},
        SourceCase{"PlainFinalLineEnd", "a\tb\n", RtfSource::PlainText, "left:[Arial 12]a→b"},
        SourceCase{"PlainOldMacLineEnds", "a\rb", RtfSource::PlainText, "left:[Arial 12]a / left:[Arial 12]b"},
        SourceCase{"PlainUtf8", "\xEF\xBB\xBF" "café 5 €", RtfSource::PlainText, "left:[Arial 12]café 5 €"},
        SourceCase{"PlainCp1252", "caf\xe9 5 \x80", RtfSource::PlainText, "left:[Arial 12]café 5 €"},
        SourceCase{"PlainControlsDropped", "a\x01" "b\x1b" "c", RtfSource::PlainText, "left:[Arial 12]abc"},
        SourceCase{"HeaderCutShort", "{\\rt", RtfSource::PlainText, "left:[Arial 12]{\\rt"},
        SourceCase{"Empty", "", RtfSource::PlainText, ""},
        SourceCase{"BinaryRefused", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, RtfSource::NotText, ""},
        SourceCase{"Utf16Rtf", "\xFF\xFE{\0\\\0r\0t\0f\0" "1\0 \0a\0}\0"s, RtfSource::Rtf, "left:[Arial 12]a"},
        SourceCase{"Utf16BigEndianPlain", "\xFE\xFF\0c\0a\0f\0\xE9"s, RtfSource::PlainText, "left:[Arial 12]café"},
        SourceCase{"Utf16BinaryRefused", "\xFF\xFE\0\0\x01\0"s, RtfSource::NotText, ""},
        SourceCase{"RtfAfterByteOrderMark", "\xEF\xBB\xBF{\\rtf1 a}", RtfSource::Rtf, "left:[Arial 12]a"},
        SourceCase{"RtfAfterBlankLines", "\r\n \t{\\rtf1 a}", RtfSource::Rtf, "left:[Arial 12]a"}),
    [](const testing::TestParamInfo<SourceCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tavir
