// The pages of the help guide and of the course, as the help window loads them from the resource:
// every page has a title, every link and picture resolves, every page can be reached from its
// book's contents page, and the French text keeps its typography.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTextDocument>
#include <QtTest>

#include <cstdint>

#include "ui/common/resources.hpp"

namespace {

const QString kHelpRoot = QStringLiteral(":/help");
const QStringList kBooks = {QStringLiteral(":/help/aide/index.html"), QStringLiteral(":/help/cours/index.html")};

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QStringList filesUnder(const QString& root, const QString& suffix) {
    QStringList found;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(suffix, Qt::CaseInsensitive)) found << path;
    }
    found.sort();
    return found;
}

struct Reference {
    QString attribute;  // "href" or "src"
    QString value;
};

// The href= and src= attributes of a page, quoted with " or '.
QList<Reference> referencesOf(const QString& html) {
    static const QRegularExpression attr(QStringLiteral("(href|src)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"),
                                         QRegularExpression::CaseInsensitiveOption);
    QList<Reference> refs;
    for (auto it = attr.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        refs.append({m.captured(1).toLower(), m.captured(2).isNull() ? m.captured(3) : m.captured(2)});
    }
    return refs;
}

// Where a relative reference of a page points inside the resource, as the browser resolves it.
QString resolve(const QString& page, const QString& relative) {
    return QDir::cleanPath(QFileInfo(page).path() + QLatin1Char('/') + relative);
}

bool hasAnchor(const QString& html, const QString& anchor) {
    const QString quoted = QRegularExpression::escape(anchor);
    const QRegularExpression target(QStringLiteral("(?:name|id)\\s*=\\s*[\"']%1[\"']").arg(quoted),
                                    QRegularExpression::CaseInsensitiveOption);
    return target.match(html).hasMatch();
}

// The page's text without its markup (entities kept as written).
QString textOf(const QString& html) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = html;
    return text.replace(tag, QStringLiteral(" "));
}

std::uint32_t fnv1a(const QByteArray& bytes) {
    std::uint32_t h = 2166136261u;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

}  // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        tavir::ui::ensureResources();
        pages_ = filesUnder(kHelpRoot, QStringLiteral(".html"));
        for (const QString& book : kBooks) QVERIFY2(QFile::exists(book), qPrintable(book));
        QVERIFY(pages_.size() >= 10);
    }

    void everyPageHasATitle_data() { pageRows(); }
    void everyPageHasATitle() {
        QFETCH(QString, page);
        const QString html = readText(page);
        QVERIFY2(!html.isEmpty(), qPrintable(page));
        QVERIFY2(!html.contains(QChar::ReplacementCharacter), "the page is not valid UTF-8");
        // The title as the help window's browser parses it.
        QTextDocument document;
        document.setHtml(html);
        QVERIFY2(!document.metaInformation(QTextDocument::DocumentTitle).trimmed().isEmpty(), qPrintable(page));
        QVERIFY(html.contains(QStringLiteral("<h1>")));
    }

    void everyLinkAndPictureResolves_data() { pageRows(); }
    void everyLinkAndPictureResolves() {
        QFETCH(QString, page);
        const QString html = readText(page);
        const auto refs = referencesOf(html);
        QVERIFY2(!refs.isEmpty(), "a page with no link strands the reader");
        for (const Reference& ref : refs) {
            const QString where = page + QStringLiteral(": ") + ref.value;
            // The pages live in the program: no web address, no absolute path.
            QVERIFY2(!ref.value.contains(QLatin1Char(':')) && !ref.value.startsWith(QLatin1Char('/')),
                     qPrintable(where));
            const qsizetype hash = ref.value.indexOf(QStringLiteral("#"));
            const QString file = hash < 0 ? ref.value : ref.value.left(hash);
            const QString anchor = hash < 0 ? QString() : ref.value.mid(hash + 1);
            const QString target = file.isEmpty() ? page : resolve(page, file);
            QVERIFY2(QFile::exists(target), qPrintable(where));
            if (!anchor.isEmpty()) QVERIFY2(hasAnchor(readText(target), anchor), qPrintable(where));
            if (ref.attribute == QLatin1String("src")) {
                QVERIFY2(QImage(target).width() > 0, qPrintable(where + QStringLiteral(" does not load")));
            }
        }
    }

    // A width or height written in a page must be the picture's own, or the browser stretches it.
    void pictureSizesMatchTheFiles_data() { pageRows(); }
    void pictureSizesMatchTheFiles() {
        QFETCH(QString, page);
        static const QRegularExpression img(QStringLiteral("<img\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression src(QStringLiteral("src\\s*=\\s*\"([^\"]*)\""));
        static const QRegularExpression width(QStringLiteral("width\\s*=\\s*\"(\\d+)\""));
        static const QRegularExpression height(QStringLiteral("height\\s*=\\s*\"(\\d+)\""));
        const QString html = readText(page);
        for (auto it = img.globalMatch(html); it.hasNext();) {
            const QString tag = it.next().captured(0);
            const auto s = src.match(tag);
            QVERIFY2(s.hasMatch(), qPrintable(tag));
            QVERIFY2(tag.contains(QStringLiteral("alt=")), qPrintable(tag));
            const QImage picture(resolve(page, s.captured(1)));
            const auto w = width.match(tag);
            const auto h = height.match(tag);
            if (w.hasMatch()) QCOMPARE(w.captured(1).toInt(), picture.width());
            if (h.hasMatch()) QCOMPARE(h.captured(1).toInt(), picture.height());
        }
    }

    // Every page is reachable from its book's contents page, and every picture is shown somewhere.
    void nothingIsOrphaned() {
        QSet<QString> reached;
        QStringList queue = kBooks;
        QSet<QString> pictures;
        while (!queue.isEmpty()) {
            const QString page = queue.takeFirst();
            if (reached.contains(page)) continue;
            reached.insert(page);
            for (const Reference& ref : referencesOf(readText(page))) {
                const QString file = ref.value.section(QStringLiteral("#"), 0, 0);
                if (file.isEmpty()) continue;
                const QString target = resolve(page, file);
                if (ref.attribute == QLatin1String("src")) {
                    pictures.insert(target);
                } else if (target.endsWith(QLatin1String(".html"))) {
                    queue.append(target);
                }
            }
        }
        for (const QString& page : pages_) QVERIFY2(reached.contains(page), qPrintable(page + " is unreachable"));
        for (const QString& picture : filesUnder(kHelpRoot, QStringLiteral(".png"))) {
            QVERIFY2(pictures.contains(picture), qPrintable(picture + " is shown by no page"));
        }
    }

    // No ordinary space before : ; ? ! or inside guillemets: French typography wants a no-break space.
    void frenchTypography_data() { pageRows(); }
    void frenchTypography() {
        QFETCH(QString, page);
        static const QRegularExpression badSpace(QStringLiteral(".{0,25}(?: [:;?!»]|« ).{0,25}"));
        const QString text = textOf(readText(page));
        const auto m = badSpace.match(text);
        QVERIFY2(!m.hasMatch(), qPrintable(page + QStringLiteral(": ") + m.captured(0)));
    }

    // The pages speak only of the program and of chemistry: no working notes, and the electron-dot
    // drawing is always the "représentation de Tavir" (a person's name is caught by its word hash).
    void noForbiddenWords_data() { pageRows(); }
    void noForbiddenWords() {
        QFETCH(QString, page);
        const QString html = readText(page);
        static const QRegularExpression notes(QStringLiteral("\\bspec\\b|sp[ée]cification|\\bPart\\s+\\d"),
                                              QRegularExpression::CaseInsensitiveOption);
        const auto m = notes.match(html);
        QVERIFY2(!m.hasMatch(), qPrintable(page + QStringLiteral(": ") + m.captured(0)));
        static const QSet<std::uint32_t> forbidden = {0x18fb327bu, 0x13d1ab8cu};
        static const QRegularExpression word(QStringLiteral("[\\p{L}]+"));
        for (auto it = word.globalMatch(textOf(html)); it.hasNext();) {
            const QString w = it.next().captured(0).toLower();
            QVERIFY2(!forbidden.contains(fnv1a(w.toUtf8())), qPrintable(page + QStringLiteral(": a name")));
        }
    }

    // Both books explain the representation under its name.
    void representationKeepsItsName() {
        for (const QString& book : kBooks) {
            bool named = false;
            for (const QString& page : pages_) {
                if (page.startsWith(QFileInfo(book).path()) &&
                    readText(page).contains(QStringLiteral("représentation de Tavir"))) {
                    named = true;
                }
            }
            QVERIFY2(named, qPrintable(book));
        }
    }

private:
    void pageRows() {
        QTest::addColumn<QString>("page");
        for (const QString& page : pages_) QTest::newRow(qPrintable(page.mid(kHelpRoot.size() + 1))) << page;
    }

    QStringList pages_;
};

QTEST_MAIN(HelpPagesTest)
#include "help_pages_test.moc"
