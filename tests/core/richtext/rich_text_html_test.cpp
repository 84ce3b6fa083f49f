#include "core/richtext/rich_text_html.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/richtext/rtf_reader.hpp"

namespace tavir {
namespace {

struct HtmlCase {
    const char* name;
    std::string rtf;
    std::vector<std::string> shown;   // pieces the HTML holds
    std::vector<std::string> absent;  // and pieces it must not
};

class RichTextHtml : public testing::TestWithParam<HtmlCase> {};

TEST_P(RichTextHtml, ShowsWhatTheAreaShows) {
    const std::string html = richTextHtml(readRtf(GetParam().rtf).document);
    for (const std::string& piece : GetParam().shown) EXPECT_NE(html.find(piece), std::string::npos) << piece << "\n" << html;
    for (const std::string& piece : GetParam().absent) EXPECT_EQ(html.find(piece), std::string::npos) << piece << "\n" << html;
}

const std::string kHead = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue200;}";

INSTANTIATE_TEST_SUITE_P(
    Cases, RichTextHtml,
    testing::Values(
        HtmlCase{"markup_in_the_text_is_text", kHead + "a <b> & \"c\"\\line d\\par}",
                 {"a &lt;b&gt; &amp; &quot;c&quot;<br>d"}, {"<b>"}},
        HtmlCase{"formula_scripts_and_colour", kHead + "\\cf1\\b H{\\sub 2}O\\par}",
                 {"color:#0000c8;font-weight:bold\">H</span>", "<sub>2</sub>"}, {"font-family"}},
        HtmlCase{"size_alignment_and_hanging_indent", kHead + "\\qc\\li720\\fi-360\\fs19 x\\par}",
                 {"text-align:center;padding-left:48px;text-indent:-24px", "font-size:9.5pt"}, {}},
        // The area shows the defaults: a plain run is bare text.
        HtmlCase{"defaults_left_to_the_area", kHead + "plain\\par}", {"<p>plain</p>"}, {"span", "style"}},
        HtmlCase{"empty_paragraph_keeps_its_line", kHead + "a\\par\\par b\\par}", {"<p><br></p>"}, {}},
        HtmlCase{"shorter_row_spans_the_rest",
                 kHead + "\\trowd\\cellx2000\\cellx4000\\intbl a\\cell b\\cell\\row\\trowd\\cellx4000\\intbl c\\cell\\row}",
                 {"<col style=\"width:50%\">", "<td data-right=\"4000\" colspan=\"2\">", "width:41.5%"}, {}},
        HtmlCase{"png_inline_at_its_size",
                 kHead + "{\\pict\\pngblip\\picw2\\pich2\\picwgoal600\\pichgoal300 4d616e}\\par}",
                 {"data-picture=\"0\" width=\"40\" height=\"20\" src=\"data:image/png;base64,TWFu\""}, {}},
        HtmlCase{"metafile_as_the_placeholder", kHead + "{\\pict\\wmetafile8\\picw100\\pich100\\picwgoal1500\\pichgoal750 0100}\\par}",
                 {"width=\"100\" height=\"50\" src=\"data:image/svg+xml;base64,"}, {"image/wmf"}},
        // A merged first cell spans the columns of the row under it; a cell merged down spans rows.
        HtmlCase{"merged_cells_span_their_columns_and_rows",
                 kHead + "\\trowd\\clcbpat1\\cellx4000\\cellx6000\\intbl Total\\cell 9\\cell\\row"
                         "\\trowd\\clvmgf\\cellx2000\\cellx4000\\cellx6000\\intbl eau\\cell a\\cell b\\cell\\row"
                         "\\trowd\\clvmrg\\cellx2000\\cellx4000\\cellx6000\\intbl\\cell c\\cell d\\cell\\row}",
                 {"<td data-right=\"4000\" colspan=\"2\" style=\"background-color:#0000c8\">", "<td data-right=\"2000\" rowspan=\"2\">",
                  "<tr><td data-right=\"4000\"><p>c</p>"},
                 {}},
        HtmlCase{"list_items_spacing_and_highlight",
                 kHead + "{\\*\\listtable{\\list{\\listlevel\\levelnfc0}\\listid4}}{\\listoverridetable{\\listoverride\\listid4\\ls1}}"
                         "\\ls1\\li720\\fi-360\\sa120 {\\highlight1 un}\\par deux\\par}",
                 {"<p data-para=\"0,120,0,0\" data-list=\"1,0,1,-360\" style=\"display:list-item;list-style:decimal outside;"
                  "margin-left:48px;counter-set:list-item 1;margin-bottom:8px\">",
                  "<span style=\"background-color:#0000c8\">un</span>",
                  "<p data-para=\"0,120,0,0\" data-list=\"1,0,1,-360\" style=\"display:list-item;list-style:decimal outside;margin-left:48px;counter-set:list-item 2;margin-bottom:8px\">deux"},
                 {"text-indent"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir
