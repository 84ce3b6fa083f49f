#pragma once
// Reads RTF as WordPad, LibreOffice and TextEdit write it into the rich-text model.
//
// What is kept: paragraphs (\par, and "\" before a line end as TextEdit writes it) with
// \ql \qc \qr \qj \li \fi; runs with \f (through the font table), \fs, \b, \i, \ul,
// \cf (through the colour table), \sub \super \nosupersub \up \dn; \line as "\n" and \tab
// as "\t" in the text; tables (\trowd \cellx, \intbl paragraphs, \cell, \row; a nested
// table's text stays in its outer cell); pictures (\pict with \pngblip, \jpegblip, \emfblip
// or \wmetafile, as hex digits or \bin bytes, \shppict preferred to \nonshppict) at their
// \picwgoal/\picscale size; bullets and numbers of lists (\listtext, \pntext) as text.
// What is left out is noted in `dropped` when it was content: headers and footers, notes,
// comments, embedded objects (their \result picture is kept), drawn shapes, pictures of
// other formats. Styles, page layout, borders and the like are only looks and are not noted.
// \'hh is always read as Windows-1252, whatever \ansicpg or \fcharset say: the files
// this program meets are French and written on that code page; bytes of another code
// page come out as the Windows-1252 characters of the same values.
// Missing or out-of-range font numbers give "Arial"; colours give black.
// A text past the limits of what the exercise area shows (shown_limits.hpp) stops the
// reader at the first one passed. Bad input never stops the reader: groups deeper than
// kMaxGroupDepth keep the state of the deepest allowed one, \bin lengths and numbers are
// clamped, unbalanced braces and a truncated end are tolerated, and the reader keeps what it
// could read.
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/richtext/rich_text.hpp"
#include "core/richtext/shown_limits.hpp"

namespace tavir {

inline constexpr std::size_t kMaxGroupDepth = 1000;

enum class RtfSource {
    Rtf,        // the input starts with "{\rtf"
    PlainText,  // no RTF header: read as plain text, one paragraph per line
    NotText,    // no RTF header and NUL bytes: a binary file, refused (richtext_texts::kNotText)
};

// Content of a file the model leaves out.
enum class DroppedContent { HeadersAndFooters, Notes, Comments, Objects, Shapes, Pictures, FloatingPictures };

struct RtfReadResult {
    RichDocument document;
    RtfSource source = RtfSource::Rtf;
    // The RTF was damaged (unbalanced braces, truncated, too deep) and was read as far
    // as it could be: the ui may still show what came out.
    bool damaged = false;
    // Each kind of content left out, once, in the order met.
    std::vector<DroppedContent> dropped;
    // The first limit of what the area shows that the text passed: reading stopped there,
    // and the document holds only what came before.
    ShownTextExcess excess = ShownTextExcess::None;
};

RtfReadResult readRtf(std::string_view bytes);
// What readRtf makes of the bytes, told without reading them.
RtfSource rtfSourceOf(std::string_view bytes);

}  // namespace tavir
