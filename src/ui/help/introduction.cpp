#include "ui/help/introduction.hpp"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "ui/common/fonts.hpp"
#include "core/help/introduction_text.hpp"

namespace tavir::ui {

void intro(QTextEdit& supertext) {
    supertext.clear();
    QTextCursor cursor(supertext.document());
    for (const IntroPiece& piece : kIntroduction) {
        const bool title = piece.style == IntroStyle::Title;
        QTextBlockFormat block;
        block.setAlignment(title ? Qt::AlignHCenter : Qt::AlignLeft);
        block.setLeftMargin(title ? 0 : kIntroIndent);
        cursor.mergeBlockFormat(block);

        QTextCharFormat chars;
        chars.setFont(arialFont(title ? kIntroTitleSize : kIntroTextSize));
        chars.setForeground(piece.style == IntroStyle::Plain ? QColor(0, 0, 0) : QColor(0, 0, 200));
        QString text = QString::fromUtf8(piece.text.data(), static_cast<int>(piece.text.size()));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        cursor.insertText(text, chars);
    }
    cursor.movePosition(QTextCursor::Start);
    supertext.setTextCursor(cursor);
    supertext.setReadOnly(true);
}

}  // namespace tavir::ui
