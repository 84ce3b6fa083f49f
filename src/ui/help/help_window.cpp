#include "ui/help/help_window.hpp"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/common/fonts.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/common/resources.hpp"
#include "ui/common/window_placement.hpp"
#include "ui/help/texts.hpp"

namespace tavir::ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    ensureResources();
    setObjectName(QStringLiteral("aide"));
    resize(760, 560);
    browser_->setObjectName(QStringLiteral("pages"));
    browser_->setOpenExternalLinks(true);
    browser_->setFont(arialFont(10));
    browser_->setAccessibleName(utf8(help_texts::kA11yPages));

    auto* back = new QPushButton(utf8(help_texts::kBack), this);
    auto* forward = new QPushButton(utf8(help_texts::kForward), this);
    auto* home = new QPushButton(utf8(help_texts::kContents), this);
    auto* close = new QPushButton(utf8(help_texts::kClose), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, [this] { browser_->setSource(home_); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {back, forward, home}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpWindow::showPage(const QUrl& page, const QString& title) {
    home_ = page;
    setWindowTitle(title);
    browser_->setSource(page);
    if (browser_->toPlainText().trimmed().isEmpty())
        browser_->setHtml(utf8(help_texts::kMissingPage));
    // The first time, beside the main window or centred on it, not over its buttons at the
    // screen's corner; later where the pupil left it.
    if (!placed_ && parentWidget()) placeNextTo(*this, *parentWidget());
    placed_ = true;
    show();
    raise();
    activateWindow();
}

}  // namespace tavir::ui
