#include "core/richtext/shown_text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/richtext/rtf_writer.hpp"

namespace tavir {
namespace {

ShownStyle arial12() { return {"Arial", 16, 400, false, false, "", "rgb(0, 0, 0)", "rgba(0, 0, 0, 0)"}; }

ShownPiece text(std::string t, ShownStyle s = arial12()) { return {std::move(t), std::move(s), false, -1}; }
ShownPiece lineBreak() { return {"", arial12(), true, -1}; }

ShownParagraph paragraph(std::vector<ShownPiece> pieces, std::string align = "left") {
    return {std::move(align), 0, 0, "", "", std::move(pieces)};
}

struct ShownCase {
    const char* name;
    std::vector<ShownBlock> shown;
    std::vector<std::string> rtf;  // pieces the saved RTF holds
};

class DocumentFromShown : public testing::TestWithParam<ShownCase> {};

TEST_P(DocumentFromShown, SavesWhatTheAreaShows) {
    Picture png;
    png.data = "Man";
    png.width = 600;
    png.height = 300;
    const std::string rtf = writeRtf(documentFromShown(GetParam().shown, {png}));
    for (const std::string& piece : GetParam().rtf) EXPECT_NE(rtf.find(piece), std::string::npos) << piece << "\n" << rtf;
}

ShownStyle with(void (*change)(ShownStyle&)) {
    ShownStyle s = arial12();
    change(s);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentFromShown,
    testing::Values(
        // 12.6667 px is 9.5 points; the sub's own smaller size is not the run's.
        ShownCase{"size_weight_colour_and_script",
                  {paragraph({text("H", with([](ShownStyle& s) { s.fontPixels = 12.6667; s.fontWeight = 700; s.color = "rgb(0, 0, 200)"; })),
                              text("2", with([](ShownStyle& s) { s.fontPixels = 12.6667; s.fontWeight = 700; s.color = "rgb(0, 0, 200)"; s.verticalAlign = "sub"; }))})},
                  {"\\fs19", "\\b", "\\red0\\green0\\blue200", "\\sub"}},
        ShownCase{"quoted_family_and_italic_underline",
                  {paragraph({text("x", with([](ShownStyle& s) { s.fontFamily = "\"Times New Roman\", serif"; s.italic = true; s.underline = true; }))})},
                  {"Times New Roman;", "\\i", "\\ul"}},
        // The last break only holds an empty line open; an inner one is the pupil's.
        ShownCase{"inner_break_kept_last_dropped", {paragraph({text("a"), lineBreak(), text("b"), lineBreak()})}, {"a\\line b\\par"}},
        ShownCase{"alignment_and_indents_in_twips", {ShownParagraph{"center", 48, -24.01, "", "", {text("c")}}}, {"\\qc", "\\li720", "\\fi-360"}},
        ShownCase{"control_characters_other_than_tab_dropped", {paragraph({text(std::string("a\tb\x01" "c"))})}, {"a\\tab bc"}},
        ShownCase{"picture_by_its_number_unknown_one_dropped",
                  {paragraph({ShownPiece{"", arial12(), false, 0}, ShownPiece{"", arial12(), false, 7}})},
                  {"\\pngblip\\picwgoal600\\pichgoal300\r\n4d616e}\\par"}},
        // Edges the shown document gave are kept; a pasted cell's come from its width.
        ShownCase{"table_edges_given_or_measured",
                  {ShownTable{{{ShownCell{2000, 0, 1, "", {paragraph({text("a")})}}, ShownCell{-1, 50, 1, "", {}}}}}},
                  {"\\cellx2000", "\\cellx2001", "a\\cell"}},
        // What the styles cannot tell comes from the paragraph's attributes.
        ShownCase{"list_spacing_and_highlight",
                  {ShownParagraph{"left", 48, 0, "120,240,360,1", "1,0,3,-360",
                                  {text("x", with([](ShownStyle& s) { s.backgroundColor = "rgb(255, 255, 0)"; }))}}},
                  {"\\li720\\fi-360\\sb120\\sa240\\sl360\\slmult1\\ls3\\ilvl0{\\listtext", "1.\\tab}", "\\highlight2",
                   "\\levelnfc0"}},
        // A cell merged down is covered in the row under it, in its own columns.
        ShownCase{"cell_merged_down_and_shaded",
                  {ShownTable{{{ShownCell{1000, 0, 2, "rgb(192, 224, 255)", {paragraph({text("eau")})}},
                                ShownCell{2000, 0, 1, "rgba(0, 0, 0, 0)", {paragraph({text("a")})}}},
                               {ShownCell{2000, 0, 1, "", {paragraph({text("b")})}}}}}},
                  {"\\clvmgf\\clcbpat", "\\clvmrg\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx1000",
                   "\\red192\\green224\\blue255"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir
