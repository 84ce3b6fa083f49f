// The exercise area's document and the rich-text model give each other back unchanged.
#include <QTextDocument>
#include <QtTest>

#include "ui/exercises/rich_text_document.hpp"
#include "core/richtext/rtf_reader.hpp"
#include "core/richtext/rtf_writer.hpp"

using namespace tavir;
using namespace tavir::ui;

Q_DECLARE_METATYPE(tavir::RichDocument)

namespace {
TextRun run(std::string text, int halfPoints = 24, bool bold = false, bool italic = false, bool underline = false,
            TextColour colour = {}, std::string font = "Arial") {
    TextRun r;
    r.text = std::move(text);
    r.halfPoints = halfPoints;
    r.bold = bold;
    r.italic = italic;
    r.underline = underline;
    r.color = colour;
    r.font = std::move(font);
    return r;
}
Paragraph paragraph(std::vector<TextRun> runs, Alignment a = Alignment::Left, int left = 0, int first = 0) {
    Paragraph p;
    p.alignment = a;
    p.leftIndent = left;
    p.firstLineIndent = first;
    for (auto& r : runs) p.append(std::move(r));
    return p;
}
}  // namespace

class RichTextDocumentTest : public QObject {
    Q_OBJECT
private slots:
    void modelSurvivesTheDocument_data() {
        QTest::addColumn<RichDocument>("model");
        QTest::newRow("accents and formats") << RichDocument{{paragraph(
            {run("Énoncé : ", 36, true), run("l'eau ", 24, false, true), run("H₂O", 24, false, false, true),
             run(" « bleu »", 24, false, false, false, {0, 0, 200})})}};
        QTest::newRow("alignment and indents")
            << RichDocument{{paragraph({run("Titre", 36, true)}, Alignment::Center),
                             paragraph({run("Décalé")}, Alignment::Left, 300, -150),
                             paragraph({run("À droite")}, Alignment::Right),
                             paragraph({run("Justifié et plus long")}, Alignment::Justify, 600)}};
        QTest::newRow("line break, tab, empty paragraph, half points")
            << RichDocument{{paragraph({run("ligne 1\nligne 2\tcolonne", 19)}), paragraph({}),
                             paragraph({run("fin", 22, false, false, false, {200, 10, 10}, "Courier New")})}};
    }
    void modelSurvivesTheDocument() {
        QFETCH(RichDocument, model);
        QTextDocument document;
        fillDocument(document, model);
        QCOMPARE(documentModel(document), model);
        // And through RTF as the area saves and loads it.
        const RichDocument reread = readRtf(writeRtf(documentModel(document))).document;
        QTextDocument again;
        fillDocument(again, reread);
        QCOMPARE(documentModel(again), model);
    }

    void typedTextIsSavedWithItsLook() {
        QTextDocument document;
        document.setPlainText(QString::fromUtf8("Réponse : 4 liaisons"));
        const RichDocument model = documentModel(document);
        QCOMPARE(model.paragraphs.size(), std::size_t(1));
        QCOMPARE(plainText(model), std::string("Réponse : 4 liaisons"));
    }
};

namespace QTest {
template <>
char* toString(const tavir::RichDocument& d) {
    return qstrdup(plainText(d).c_str());
}
}  // namespace QTest

QTEST_MAIN(RichTextDocumentTest)
#include "rich_text_document_test.moc"
