#include "ui/exercises/rich_text_document.hpp"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace tavir::ui {

namespace {
constexpr double kTwipsPerPixel = 15.0;

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

QTextCharFormat charFormat(const TextRun& run) {
    QTextCharFormat f;
    f.setFontFamilies({QString::fromStdString(run.font)});
    f.setFontPointSize(run.points());
    f.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(run.italic);
    f.setFontUnderline(run.underline);
    f.setForeground(QColor(run.color.red, run.color.green, run.color.blue));
    return f;
}

TextRun runOf(const QTextCharFormat& f, const QString& text) {
    TextRun run;
    QString t = text;
    // Qt's soft line break is the model's "\n".
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    run.text = t.toStdString();
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty()) run.font = families.first().toStdString();
    const double points = f.fontPointSize() > 0 ? f.fontPointSize() : f.font().pointSizeF();
    if (points > 0) run.halfPoints = static_cast<int>(std::lround(points * 2));
    run.bold = f.fontWeight() >= QFont::Bold;
    run.italic = f.fontItalic();
    run.underline = f.fontUnderline();
    if (f.hasProperty(QTextFormat::ForegroundBrush)) {
        const QColor c = f.foreground().color();
        run.color = {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                     static_cast<std::uint8_t>(c.blue())};
    }
    return run;
}
}  // namespace

void fillDocument(QTextDocument& document, const RichDocument& model) {
    document.clear();
    QTextCursor cursor(&document);
    bool first = true;
    for (const Paragraph& p : model.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(toQt(p.alignment));
        block.setLeftMargin(p.leftIndent / kTwipsPerPixel);
        block.setTextIndent(p.firstLineIndent / kTwipsPerPixel);
        if (first) {
            cursor.setBlockFormat(block);
            first = false;
        } else {
            cursor.insertBlock(block);
        }
        for (const TextRun& run : p.runs) {
            QString text = QString::fromStdString(run.text);
            text.replace(QLatin1Char('\n'), QChar::LineSeparator);
            cursor.insertText(text, charFormat(run));
        }
    }
}

RichDocument documentModel(const QTextDocument& document) {
    RichDocument model;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph p;
        const QTextBlockFormat f = block.blockFormat();
        p.alignment = fromQt(f.alignment());
        p.leftIndent = static_cast<int>(std::lround(f.leftMargin() * kTwipsPerPixel));
        p.firstLineIndent = static_cast<int>(std::lround(f.textIndent() * kTwipsPerPixel));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid()) p.append(runOf(fragment.charFormat(), fragment.text()));
        }
        model.paragraphs.push_back(std::move(p));
    }
    return model;
}

}  // namespace tavir::ui
