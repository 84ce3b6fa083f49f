#pragma once
// Between the core's rich-text model and the document of the exercise area.
#include "core/richtext/rich_text.hpp"

class QTextDocument;

namespace tavir::ui {

// Replaces the document's content with the model's paragraphs and runs.
void fillDocument(QTextDocument& document, const RichDocument& model);
// The document's content as the model: what the RTF writer saves.
RichDocument documentModel(const QTextDocument& document);

}  // namespace tavir::ui
