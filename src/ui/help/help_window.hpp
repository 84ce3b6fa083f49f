#pragma once
// The in-program help window: our French pages for "&Aide" and "&Voir le cours".
#include <QUrl>
#include <QWidget>
#include <string_view>

#include "ui/help/texts.hpp"

class QTextBrowser;

namespace tavir::ui {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void showPage(const QUrl& page, const QString& title);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    QUrl home_;
    bool placed_ = false;
};

// The two books and the file of the described name that a desktop viewer would open instead.
struct HelpBook {
    const char* fallbackFile;  // in the program's folder, handed to the desktop when present
    const char* page;          // our own page
    std::string_view title;
};
constexpr HelpBook kHelpGuide{"ZB4.hlp", "qrc:/help/aide/index.html", help_texts::kGuideTitle};
constexpr HelpBook kCourse{"Voirlecours.chm", "qrc:/help/cours/index.html", help_texts::kCourseTitle};

}  // namespace tavir::ui
