#pragma once
// Word-processor documents (.docx, .odt) are zip packages of XML parts that the exercise area
// does not read. Told by their parts, whatever their name, so that the teacher learns how to
// turn them into RTF rather than reading that the file is no text.
#include <string_view>

namespace tavir {

enum class WordProcessorFormat {
    None,  // not a word-processor package (a spreadsheet's or a plain zip included)
    Docx,  // Office Open XML: a "word/document.xml" part
    Odt,   // OpenDocument text: a first "mimetype" entry naming an opendocument text
};

WordProcessorFormat wordProcessorFormat(std::string_view bytes);

}  // namespace tavir
