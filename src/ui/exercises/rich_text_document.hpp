#pragma once
// Between the core's rich-text model and the document of the exercise area.
#include "core/richtext/rich_text.hpp"

class QTextDocument;
class QTextEdit;

namespace tavir::ui {

// Replaces the document's content with the model's paragraphs, tables and pictures.
// `areaWidth`: pixels the text has across, so that no picture is wider than its table cell;
// 0 when unknown.
void fillDocument(QTextDocument& document, const RichDocument& model, double areaWidth = 0);
// Shows the model in the editor: built in a new document while nothing looks at it, then
// handed to the editor, which lays out only what it shows (filling the editor's own
// document would lay out the whole text first). The new document keeps the old one's
// settings; the old one is deleted.
void showDocument(QTextEdit& editor, const RichDocument& model);
// The document's content as the model: what the RTF writer saves.
RichDocument documentModel(const QTextDocument& document);

}  // namespace tavir::ui
