#include "ui/common/application_setup.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/common/svg_pixmap.hpp"

namespace tavir::ui {

namespace {

// The locale the C library and Qt take for one category: LC_ALL, else the category, else LANG.
bool frenchCategory(const char* category) {
    for (const char* name : {"LC_ALL", category, "LANG"})
        if (!qEnvironmentVariableIsEmpty(name)) return qEnvironmentVariable(name).startsWith(QLatin1String("fr"));
    return false;
}

bool frenchAlready() {
    const QString language = qEnvironmentVariable("LANGUAGE");
    return frenchCategory("LC_MESSAGES") && frenchCategory("LC_TIME") && frenchCategory("LC_NUMERIC") &&
           (language.isEmpty() || language.startsWith(QLatin1String("fr")));
}

// Texts of Qt's file dialogs that its French catalogue leaves in English.
class MissingQtFrench : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        struct Text {
            const char* context;
            const char* source;
            const char* french;
        };
        static constexpr Text kTexts[] = {
            {"QAbstractFileIconProvider", "Folder", "Dossier"},
            {"QAbstractFileIconProvider", "Drive", "Lecteur"},
            {"QAbstractFileIconProvider", "Alias", "Alias"},
            {"QAbstractFileIconProvider", "Shortcut", "Raccourci"},
            {"QAbstractFileIconProvider", "Unknown", "Inconnu"},
        };
        for (const Text& t : kTexts)
            if (qstrcmp(context, t.context) == 0 && qstrcmp(source, t.source) == 0) return QString::fromUtf8(t.french);
        return {};
    }
};

}  // namespace

void preferFrenchSystemLocale() {
    // Qt reads these once, when the system locale is first asked for.
    if (frenchAlready()) return;
    const char* names[] = {"LC_ALL", "LANGUAGE"};
    QByteArray saved[2];
    bool had[2];
    for (int i = 0; i < 2; ++i) {
        had[i] = qEnvironmentVariableIsSet(names[i]);
        saved[i] = qgetenv(names[i]);
    }
    qputenv("LC_ALL", "fr_FR.UTF-8");
    qputenv("LANGUAGE", "fr_FR:fr");
    (void)QLocale::system();
    // Programs the pupil opens from here (help viewers) get the user's own environment.
    for (int i = 0; i < 2; ++i) {
        if (had[i]) qputenv(names[i], saved[i]);
        else qunsetenv(names[i]);
    }
}

QIcon programIcon() {
    return svgIcon(QStringLiteral(":/icons/fr.tavir.Tavir.svg"), QSize(128, 128));
}

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Tavir"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setWindowIcon(programIcon());
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Qt's own buttons and dialogs speak French; the translators live as long as the program.
    auto* qtFrench = new QTranslator(&app);
    if (qtFrench->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtFrench);
    QApplication::installTranslator(new MissingQtFrench(&app));
}

}  // namespace tavir::ui
