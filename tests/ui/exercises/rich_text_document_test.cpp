// The exercise area's document and the rich-text model give each other back unchanged:
// formats, sub- and superscripts, tables and pictures.
#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
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
TextRun scripted(std::string text, Script script) {
    TextRun r = run(std::move(text));
    r.script = script;
    return r;
}
// A real 2 x 1 PNG, so that the document can decode it.
std::string pngBytes() {
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(200, 30, 30));
    image.setPixel(1, 0, qRgb(30, 30, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}
TextRun picture(PictureFormat format, std::string data, int width, int height) {
    Picture p;
    p.format = format;
    p.data = std::move(data);
    p.width = width;
    p.height = height;
    p.sourceWidth = 2;
    p.sourceHeight = 1;
    return pictureRun(std::move(p), run(""));
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
        QTest::newRow("sub- and superscripts")
            << RichDocument{{paragraph({run("H"), scripted("3", Script::Subscript), run("O"),
                                        scripted("+", Script::Superscript), run(" 10"), scripted("23", Script::Superscript)})}};
        QTest::newRow("pictures, decoded and placeholders")
            << RichDocument{{paragraph({run("a "), picture(PictureFormat::Png, pngBytes(), 600, 300),
                                        picture(PictureFormat::Png, pngBytes(), 600, 300),
                                        picture(PictureFormat::Wmf, "\x01\x02", 1440, 720),
                                        picture(PictureFormat::Emf, "\x01", 300, 200),
                                        picture(PictureFormat::Jpeg, "pas une image", 150, 150), run(" b")})}};
        QTest::newRow("tables between, first and last")
            << RichDocument{{Table{{TableRow{{TableCell{1500, {paragraph({run("Molécule")})}},
                                               TableCell{3000, {paragraph({run("H"), scripted("2", Script::Subscript)}),
                                                                paragraph({}), paragraph({run("fin")}, Alignment::Center)}}}},
                                     TableRow{{TableCell{2000, {paragraph({run("ligne courte")})}}}}}},
                             paragraph({run("entre")}), paragraph({}),
                             Table{{TableRow{{TableCell{900, {paragraph({})}}, TableCell{400, {paragraph({run("x")})}}}}}}}};
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

    // A WMF shows as a box of its own size, and the bytes it came with are what is saved.
    void placeholderHasThePicturesSize() {
        QTextDocument document;
        fillDocument(document, RichDocument{{paragraph({picture(PictureFormat::Wmf, "\x01\x02", 1440, 720)})}});
        const QTextFragment fragment = document.begin().begin().fragment();
        QVERIFY(fragment.charFormat().isImageFormat());
        const QImage shown = document.resource(QTextDocument::ImageResource, QUrl(fragment.charFormat().toImageFormat().name()))
                                 .value<QImage>();
        QCOMPARE(shown.size(), QSize(96, 48));
        QCOMPARE(QColor(shown.pixel(48, 10)), QColor(236, 236, 236));
        QCOMPARE(QColor(shown.pixel(0, 0)), QColor(150, 150, 150));
    }

    // What a pupil pastes from elsewhere is saved too: a picture as PNG, a list's bullets as text.
    void pastedPictureAndListAreKept() {
        QTextDocument document;
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(Qt::red);
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("collee.png")), image);
        QTextCursor cursor(&document);
        cursor.insertImage(QStringLiteral("collee.png"));
        cursor.insertBlock();
        cursor.createList(QTextListFormat::ListDisc);
        cursor.insertText(QStringLiteral("premier"));
        const RichDocument model = documentModel(document);
        QCOMPARE(model.blocks.size(), std::size_t(2));
        const TextRun& pasted = std::get<Paragraph>(model.blocks[0]).runs.at(0);
        QVERIFY(pasted.picture);
        QCOMPARE(pasted.picture->format, PictureFormat::Png);
        QCOMPARE(QSize(pasted.picture->width, pasted.picture->height), QSize(45, 30));
        QCOMPARE(QImage::fromData(QByteArray::fromStdString(pasted.picture->data)).size(), QSize(3, 2));
        QCOMPARE(plainText(RichDocument{{model.blocks[1]}}), std::string("\u2022\tpremier"));
    }

    void typedTextIsSavedWithItsLook() {
        QTextDocument document;
        document.setPlainText(QString::fromUtf8("Réponse : 4 liaisons"));
        const RichDocument model = documentModel(document);
        QCOMPARE(model.blocks.size(), std::size_t(1));
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
