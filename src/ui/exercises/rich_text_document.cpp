#include "ui/exercises/rich_text_document.hpp"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "core/richtext/picture_placeholder.hpp"
#include "core/richtext/table_grid.hpp"
#include "ui/common/qt_canvas.hpp"

namespace tavir::ui {

namespace {
constexpr double kTwipsPerPixel = 15.0;
constexpr int kDefaultCellWidth = 1440;
constexpr int kCellPadding = 3;
const QChar kObjectCharacter(0xFFFC);
// The shown image and the file's bytes of a picture, under two names: the document keeps
// one resource per name, whatever its type.
const QString kPictureScheme = QStringLiteral("tavir-picture");
const QString kPictureDataScheme = QStringLiteral("tavir-picture-data");

QUrl pictureDataUrl(const QString& imageName) {
    QUrl url(imageName);
    url.setScheme(kPictureDataScheme);
    return url;
}

// What the model holds and the document has no property for.
enum Property {
    // A block that only exists because the document needs one before or after a table:
    // while it stays empty it is not a paragraph of the model.
    kFillerBlock = QTextFormat::UserProperty + 1,
    kCellRightEdge,         // twips
    kPictureFormat,         // PictureFormat, on an image of the model
    kPictureSourceWidth,    // \picw
    kPictureSourceHeight,   // \pich
    kPictureMetafileMapping,
    kPictureWidth,          // twips, the size in the file: a picture in a cell may be shown smaller
    kPictureHeight,
    // A paragraph's spacing and indents as the model has them: the document's own are in
    // pixels, and a list item's indent is its list's.
    kSpaceBefore,
    kSpaceAfter,
    kLineSpacing,
    kLineSpacingMultiple,
    kLeftIndent,
    kFirstLineIndent,
    kListNumber,  // on a list's format: ListItem::list
    kListLevel,
};

Qt::Alignment toQt(Alignment a) {
    switch (a) {
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Justify: return Qt::AlignJustify;
    default: return Qt::AlignLeft;
    }
}

Alignment fromQt(Qt::Alignment a) {
    if (a & Qt::AlignHCenter) return Alignment::Center;
    if (a & Qt::AlignRight) return Alignment::Right;
    if (a & Qt::AlignJustify) return Alignment::Justify;
    return Alignment::Left;
}

QTextBlockFormat blockFormat(const Paragraph& p) {
    QTextBlockFormat block;
    block.setAlignment(toQt(p.alignment));
    block.setTopMargin(p.spaceBefore / kTwipsPerPixel);
    block.setBottomMargin(p.spaceAfter / kTwipsPerPixel);
    if (p.lineSpacing != 0 && p.lineSpacingMultiple)
        block.setLineHeight(100.0 * p.lineSpacing / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (p.lineSpacing > 0)
        block.setLineHeight(p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    else if (p.lineSpacing < 0)
        block.setLineHeight(-p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    block.setProperty(kSpaceBefore, p.spaceBefore);
    block.setProperty(kSpaceAfter, p.spaceAfter);
    block.setProperty(kLineSpacing, p.lineSpacing);
    block.setProperty(kLineSpacingMultiple, p.lineSpacingMultiple);
    block.setProperty(kLeftIndent, p.leftIndent);
    block.setProperty(kFirstLineIndent, p.firstLineIndent);
    // A list item is indented by its list, and its marker hangs in the indent.
    if (p.list) return block;
    block.setLeftMargin(p.leftIndent / kTwipsPerPixel);
    block.setTextIndent(p.firstLineIndent / kTwipsPerPixel);
    // A hanging indent is also a tab stop, as in the word processors: a list's bullet and
    // its tab bring the text to the indent. Tab stops count from the first line's start.
    if (p.firstLineIndent < 0)
        block.setTabPositions({QTextOption::Tab(-p.firstLineIndent / kTwipsPerPixel, QTextOption::LeftTab)});
    return block;
}

QTextCharFormat charFormat(const TextRun& run) {
    QTextCharFormat f;
    f.setFontFamilies({QString::fromStdString(run.font)});
    f.setFontPointSize(run.points());
    f.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(run.italic);
    f.setFontUnderline(run.underline);
    f.setVerticalAlignment(run.script == Script::Subscript     ? QTextCharFormat::AlignSubScript
                           : run.script == Script::Superscript ? QTextCharFormat::AlignSuperScript
                                                               : QTextCharFormat::AlignNormal);
    f.setForeground(QColor(run.color.red, run.color.green, run.color.blue));
    if (run.highlight) f.setBackground(QColor(run.highlight->red, run.highlight->green, run.highlight->blue));
    return f;
}

QTextListFormat::Style listStyle(ListKind kind) {
    switch (kind) {
    case ListKind::Bullet: return QTextListFormat::ListDisc;
    case ListKind::Decimal: return QTextListFormat::ListDecimal;
    case ListKind::LowerAlpha: return QTextListFormat::ListLowerAlpha;
    case ListKind::UpperAlpha: return QTextListFormat::ListUpperAlpha;
    case ListKind::LowerRoman: return QTextListFormat::ListLowerRoman;
    case ListKind::UpperRoman: return QTextListFormat::ListUpperRoman;
    }
    return QTextListFormat::ListDisc;
}

std::optional<ListKind> listKind(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListDisc:
    case QTextListFormat::ListCircle:
    case QTextListFormat::ListSquare: return ListKind::Bullet;
    case QTextListFormat::ListDecimal: return ListKind::Decimal;
    case QTextListFormat::ListLowerAlpha: return ListKind::LowerAlpha;
    case QTextListFormat::ListUpperAlpha: return ListKind::UpperAlpha;
    case QTextListFormat::ListLowerRoman: return ListKind::LowerRoman;
    case QTextListFormat::ListUpperRoman: return ListKind::UpperRoman;
    default: return std::nullopt;
    }
}

// The document's lists, one for each list and level of the model, made as their first items come.
class DocumentLists {
public:
    void add(QTextCursor& cursor, const ListItem& item) {
        const auto key = std::make_pair(item.list, item.level);
        auto found = lists_.find(key);
        if (found != lists_.end() && found->second) {
            found->second->add(cursor.block());
            return;
        }
        QTextListFormat format;
        format.setStyle(listStyle(item.kind));
        format.setIndent(item.level + 1);
        format.setProperty(kListNumber, item.list);
        format.setProperty(kListLevel, item.level);
        lists_[key] = cursor.createList(format);
    }

private:
    std::map<std::pair<int, int>, QPointer<QTextList>> lists_;
};

// The picture as the document shows it: PNG and JPEG decoded, the others (and a bitmap
// that does not decode) as a placeholder of the same size.
QImage pictureImage(const Picture& picture) {
    if (picture.format == PictureFormat::Png || picture.format == PictureFormat::Jpeg) {
        QImage image;
        if (image.loadFromData(reinterpret_cast<const uchar*>(picture.data.data()), static_cast<int>(picture.data.size())))
            return image;
    }
    const int width = std::max(1, static_cast<int>(std::lround(picture.width / kTwipsPerPixel)));
    const int height = std::max(1, static_cast<int>(std::lround(picture.height / kTwipsPerPixel)));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, image.rect(), Qt::white);
    drawPicturePlaceholder(canvas, width, height, picture.format);
    return image;
}

// `maxWidth`: pixels the picture may take (its cell's), or 0 for no limit.
void insertPicture(QTextCursor& cursor, QTextDocument& document, const TextRun& run, double maxWidth) {
    const Picture& picture = *run.picture;
    static quint64 pictures = 0;
    const QUrl url(kPictureScheme + QLatin1Char(':') + QString::number(++pictures));
    document.addResource(QTextDocument::ImageResource, url, pictureImage(picture));
    // The file's own bytes ride along, so that a save writes them back unchanged.
    document.addResource(QTextDocument::UserResource, pictureDataUrl(url.toString()),
                         QByteArray(picture.data.data(), static_cast<qsizetype>(picture.data.size())));
    QTextImageFormat image;
    image.merge(charFormat(run));
    image.setName(url.toString());
    double width = picture.width / kTwipsPerPixel;
    double height = picture.height / kTwipsPerPixel;
    // Never wider than its cell: scaled down whole, its file size kept for the save.
    if (maxWidth > 0 && width > maxWidth) {
        height *= maxWidth / width;
        width = maxWidth;
    }
    image.setWidth(width);
    image.setHeight(height);
    image.setProperty(kPictureWidth, picture.width);
    image.setProperty(kPictureHeight, picture.height);
    image.setProperty(kPictureFormat, static_cast<int>(picture.format));
    image.setProperty(kPictureSourceWidth, picture.sourceWidth);
    image.setProperty(kPictureSourceHeight, picture.sourceHeight);
    image.setProperty(kPictureMetafileMapping, picture.metafileMapping);
    cursor.insertImage(image);
}

void insertRuns(QTextCursor& cursor, QTextDocument& document, const Paragraph& p, double maxPictureWidth = 0) {
    for (const TextRun& run : p.runs) {
        if (run.picture) {
            insertPicture(cursor, document, run, maxPictureWidth);
            continue;
        }
        QString text = QString::fromStdString(run.text);
        text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        cursor.insertText(text, charFormat(run));
    }
}

// Column widths from the cells' right edges, as shares of the width the table takes on a page
// (an A4 page's text is 9638 twips wide), so that a worksheet's table fits the narrow exercise
// area as it fits the page. A table whose edges do not grow is left to the document's own
// widths. `share` is the part of the area's width the table takes.
QTextTableFormat tableFormat(const TableGrid& grid, double& share) {
    constexpr double kPageTextTwips = 9638;
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(kCellPadding);
    format.setAlignment(Qt::AlignLeft);
    share = 1;
    if (grid.columnEdges.empty()) return format;
    const double total = grid.columnEdges.back();
    QList<QTextLength> widths;
    int left = 0;
    for (const int edge : grid.columnEdges) {
        widths.append(QTextLength(QTextLength::PercentageLength, 100.0 * (edge - left) / total));
        left = edge;
    }
    format.setColumnWidthConstraints(widths);
    share = std::min(1.0, total / kPageTextTwips);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100.0 * share));
    return format;
}

void insertTable(QTextCursor& cursor, QTextDocument& document, const Table& model, double areaWidth) {
    const TableGrid grid = tableGrid(model);
    const int rows = static_cast<int>(model.rows.size());
    double share = 1;
    QTextTable* table = cursor.insertTable(rows, std::max(1, grid.columns), tableFormat(grid, share));
    const double tableWidth = areaWidth * share;
    for (int r = 0; r < rows; ++r) {
        const auto& cells = model.rows[static_cast<std::size_t>(r)].cells;
        int left = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const TableCell& cell = cells[i];
            const GridCell& place = grid.cells[static_cast<std::size_t>(r)][i];
            const int cellLeft = std::exchange(left, cell.rightEdge);
            if (place.covered) continue;
            QTextTableCell qtCell = table->cellAt(r, place.column);
            QTextTableCellFormat cellFormat = qtCell.format().toTableCellFormat();
            cellFormat.setProperty(kCellRightEdge, cell.rightEdge);
            if (cell.shading) cellFormat.setBackground(QColor(cell.shading->red, cell.shading->green, cell.shading->blue));
            qtCell.setFormat(cellFormat);
            // The room a picture has in the cell, when the area's width is known.
            double room = 0;
            if (tableWidth > 0 && !grid.columnEdges.empty())
                room = std::max(1.0, tableWidth * (cell.rightEdge - cellLeft) / grid.columnEdges.back() - 2 * kCellPadding - 2);
            else if (tableWidth > 0)
                room = std::max(1.0, tableWidth / std::max(1, grid.columns) - 2 * kCellPadding - 2);
            QTextCursor inCell = qtCell.firstCursorPosition();
            for (std::size_t p = 0; p < cell.paragraphs.size(); ++p) {
                if (p == 0) inCell.setBlockFormat(blockFormat(cell.paragraphs[p]));
                else inCell.insertBlock(blockFormat(cell.paragraphs[p]));
                insertRuns(inCell, document, cell.paragraphs[p], room);
            }
        }
    }
    // Merged after the text is in, each cell's text in its own place.
    for (int r = 0; r < rows; ++r) {
        const auto& places = grid.cells[static_cast<std::size_t>(r)];
        for (const GridCell& place : places)
            if (!place.covered && (place.rowSpan > 1 || place.columnSpan > 1))
                table->mergeCells(r, place.column, place.rowSpan, std::max(1, place.columnSpan));
    }
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

void markFiller(QTextCursor& cursor) {
    QTextBlockFormat format = cursor.blockFormat();
    format.setProperty(kFillerBlock, true);
    cursor.setBlockFormat(format);
}

// ---------------------------------------------------------------------------------------------

std::optional<TextColour> colourOf(const QBrush& brush) {
    if (brush.style() == Qt::NoBrush) return std::nullopt;
    const QColor c = brush.color();
    return TextColour{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                      static_cast<std::uint8_t>(c.blue())};
}

TextRun runOf(const QTextCharFormat& f, const QString& text) {
    TextRun run;
    QString t = text;
    // Qt's soft line break is the model's "\n"; an object character is only ever a picture.
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    t.remove(kObjectCharacter);
    run.text = t.toStdString();
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty()) run.font = families.first().toStdString();
    const double points = f.fontPointSize() > 0 ? f.fontPointSize() : f.font().pointSizeF();
    if (points > 0) run.halfPoints = static_cast<int>(std::lround(points * 2));
    run.bold = f.fontWeight() >= QFont::Bold;
    run.italic = f.fontItalic();
    run.underline = f.fontUnderline();
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) run.script = Script::Subscript;
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) run.script = Script::Superscript;
    if (f.hasProperty(QTextFormat::ForegroundBrush)) {
        const QColor c = f.foreground().color();
        run.color = {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                     static_cast<std::uint8_t>(c.blue())};
    }
    if (const auto colour = colourOf(f.background())) run.highlight = colour;
    return run;
}

// An image of the document as a picture of the model: its own bytes when it came from the
// model, else the shown image as PNG (a picture pasted in). Nothing when the document has
// no image under that name.
std::optional<Picture> pictureOf(const QTextDocument& document, const QTextImageFormat& f) {
    Picture picture;
    const QUrl url(f.name());
    if (f.hasProperty(kPictureFormat)) {
        const QByteArray bytes = document.resource(QTextDocument::UserResource, pictureDataUrl(f.name())).toByteArray();
        if (bytes.isEmpty()) return std::nullopt;
        picture.format = static_cast<PictureFormat>(std::clamp(f.intProperty(kPictureFormat), 0, 3));
        picture.data.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        picture.sourceWidth = f.intProperty(kPictureSourceWidth);
        picture.sourceHeight = f.intProperty(kPictureSourceHeight);
        picture.metafileMapping = f.hasProperty(kPictureMetafileMapping) ? f.intProperty(kPictureMetafileMapping) : 8;
    } else {
        const QVariant resource = document.resource(QTextDocument::ImageResource, url);
        QImage image = resource.value<QImage>();
        if (image.isNull()) image = resource.value<QPixmap>().toImage();
        if (image.isNull()) return std::nullopt;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        picture.format = PictureFormat::Png;
        picture.data.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        picture.sourceWidth = image.width();
        picture.sourceHeight = image.height();
        if (f.width() <= 0 || f.height() <= 0) {
            picture.width = image.width() * static_cast<int>(kTwipsPerPixel);
            picture.height = image.height() * static_cast<int>(kTwipsPerPixel);
        }
    }
    if (f.width() > 0) picture.width = static_cast<int>(std::lround(f.width() * kTwipsPerPixel));
    if (f.height() > 0) picture.height = static_cast<int>(std::lround(f.height() * kTwipsPerPixel));
    if (f.hasProperty(kPictureWidth) && f.hasProperty(kPictureHeight)) {
        picture.width = f.intProperty(kPictureWidth);
        picture.height = f.intProperty(kPictureHeight);
    }
    picture.width = std::clamp(picture.width, 1, 31680);
    picture.height = std::clamp(picture.height, 1, 31680);
    return picture;
}

Paragraph paragraphOf(const QTextDocument& document, const QTextBlock& block) {
    Paragraph p;
    const QTextBlockFormat f = block.blockFormat();
    p.alignment = fromQt(f.alignment());
    p.leftIndent = static_cast<int>(std::lround(f.leftMargin() * kTwipsPerPixel));
    p.firstLineIndent = static_cast<int>(std::lround(f.textIndent() * kTwipsPerPixel));
    p.spaceBefore = f.hasProperty(kSpaceBefore) ? f.intProperty(kSpaceBefore)
                                                : static_cast<int>(std::lround(f.topMargin() * kTwipsPerPixel));
    p.spaceAfter = f.hasProperty(kSpaceAfter) ? f.intProperty(kSpaceAfter)
                                              : static_cast<int>(std::lround(f.bottomMargin() * kTwipsPerPixel));
    p.lineSpacing = f.intProperty(kLineSpacing);
    p.lineSpacingMultiple = p.lineSpacing != 0 && f.boolProperty(kLineSpacingMultiple);
    const QTextList* list = block.textList();
    if (list && list->format().hasProperty(kListNumber)) {
        // One of the model's lists: its item, with the indents the model gave it.
        if (const auto kind = listKind(list->format().style()))
            p.list = ListItem{*kind, list->format().intProperty(kListLevel), list->format().intProperty(kListNumber)};
        p.leftIndent = f.intProperty(kLeftIndent);
        p.firstLineIndent = f.intProperty(kFirstLineIndent);
    } else if (list && block.begin() != block.end()) {
        // A list pasted from elsewhere keeps its bullets and numbers as text, as the files do.
        const QTextListFormat::Style style = list->format().style();
        const QString marker = style == QTextListFormat::ListDisc     ? QStringLiteral("\u2022")
                               : style == QTextListFormat::ListCircle ? QStringLiteral("\u25E6")
                               : style == QTextListFormat::ListSquare ? QStringLiteral("\u25AA")
                                                                      : list->itemText(block);
        p.append(runOf(block.begin().fragment().charFormat(), marker + QLatin1Char('\t')));
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid()) continue;
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            const TextRun look = runOf(format, QString());
            if (const auto picture = pictureOf(document, format.toImageFormat()))
                for (int i = 0; i < fragment.text().count(kObjectCharacter); ++i) p.append(pictureRun(*picture, look));
            continue;
        }
        p.append(runOf(format, fragment.text()));
    }
    return p;
}

void appendFrameParagraphs(const QTextDocument& document, QTextFrame* frame, std::vector<Paragraph>& out);

// The paragraphs of a cell, a table pasted inside it flattened into them.
std::vector<Paragraph> cellParagraphs(const QTextDocument& document, const QTextTableCell& cell) {
    std::vector<Paragraph> out;
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (QTextFrame* inner = it.currentFrame()) appendFrameParagraphs(document, inner, out);
        else out.push_back(paragraphOf(document, it.currentBlock()));
    }
    if (out.empty()) out.emplace_back();
    return out;
}

void appendFrameParagraphs(const QTextDocument& document, QTextFrame* frame, std::vector<Paragraph>& out) {
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* inner = it.currentFrame()) appendFrameParagraphs(document, inner, out);
        else out.push_back(paragraphOf(document, it.currentBlock()));
    }
}

Table tableOf(const QTextDocument& document, const QTextTable& table) {
    Table model;
    const QList<QTextLength> widths = table.format().columnWidthConstraints();
    for (int r = 0; r < table.rows(); ++r) {
        TableRow row;
        int edge = 0;
        for (int c = 0; c < table.columns();) {
            const QTextTableCell cell = table.cellAt(r, c);
            const int span = std::max(1, cell.columnSpan());
            // Edges not stored (a table pasted in) come from fixed column widths or one inch each.
            for (int k = c; k < c + span; ++k)
                edge += k < widths.size() && widths[k].type() == QTextLength::FixedLength
                            ? static_cast<int>(std::lround(widths[k].rawValue() * kTwipsPerPixel))
                            : kDefaultCellWidth;
            const QTextCharFormat f = cell.format();
            const int right = f.hasProperty(kCellRightEdge) ? f.intProperty(kCellRightEdge) : edge;
            if (cell.row() == r) {
                row.cells.push_back(TableCell{right, cellParagraphs(document, cell),
                                              cell.rowSpan() > 1 ? VerticalMerge::First : VerticalMerge::None,
                                              colourOf(f.background())});
            } else {
                // Under a cell merged down: a covered cell of the model, empty.
                row.cells.push_back(TableCell{right, {Paragraph{}}, VerticalMerge::Covered});
            }
            c += span;
        }
        if (!row.cells.empty()) model.rows.push_back(std::move(row));
    }
    return model;
}
}  // namespace

void fillDocument(QTextDocument& document, const RichDocument& model, double areaWidth) {
    // One edit, without undo records: the document is laid out once, at the end, instead
    // of after every run.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool unusedBlock = true;  // the cursor's block is still empty and no paragraph's
    DocumentLists lists;
    for (const Block& block : model.blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            if (unusedBlock) cursor.setBlockFormat(blockFormat(*p));
            else cursor.insertBlock(blockFormat(*p));
            if (p->list) {
                // The marker is drawn in the block's own format: the item's first text's.
                if (!p->runs.empty()) cursor.setBlockCharFormat(charFormat(p->runs.front()));
                lists.add(cursor, *p->list);
            }
            insertRuns(cursor, document, *p);
            unusedBlock = false;
            continue;
        }
        if (unusedBlock) markFiller(cursor);
        insertTable(cursor, document, std::get<Table>(block), areaWidth);
        unusedBlock = true;
    }
    if (unusedBlock) markFiller(cursor);
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

void showDocument(QTextEdit& editor, const RichDocument& model) {
    QPointer<QTextDocument> old = editor.document();
    auto* document = new QTextDocument(old->parent());
    document->setDefaultFont(old->defaultFont());
    document->setDefaultTextOption(old->defaultTextOption());
    document->setDefaultStyleSheet(old->defaultStyleSheet());
    document->setDocumentMargin(old->documentMargin());
    document->setIndentWidth(old->indentWidth());
    document->setUseDesignMetrics(old->useDesignMetrics());
    document->setUndoRedoEnabled(old->isUndoRedoEnabled());
    // The area's width less the document's margins: what a table's cells share.
    fillDocument(*document, model, editor.viewport()->width() - 2 * old->documentMargin());
    editor.setDocument(document);
    // The editor deletes the document it made itself, not one given to it.
    if (old && old != document) delete old.data();
}

RichDocument documentModel(const QTextDocument& document) {
    RichDocument model;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* frame = it.currentFrame()) {
            if (const auto* table = qobject_cast<QTextTable*>(frame)) {
                Table t = tableOf(document, *table);
                if (!t.rows.empty()) model.blocks.emplace_back(std::move(t));
            } else {
                std::vector<Paragraph> paragraphs;
                appendFrameParagraphs(document, frame, paragraphs);
                for (auto& p : paragraphs) model.blocks.emplace_back(std::move(p));
            }
            continue;
        }
        const QTextBlock block = it.currentBlock();
        if (block.blockFormat().boolProperty(kFillerBlock) && block.length() <= 1) continue;
        model.blocks.emplace_back(paragraphOf(document, block));
    }
    return model;
}

}  // namespace tavir::ui
