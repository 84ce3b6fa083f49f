#include "ui/dotstructure/information_window.hpp"

#include <QLabel>
#include <QPushButton>

#include "ui/common/fonts.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/dotstructure/information_texts.hpp"

namespace tavir::ui {

InformationWindow::InformationWindow(const QPoint& topLeft, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ftavir"));
    setWindowTitle(utf8(information_texts::kCaption));
    // 4005 x 3555 twips of client area, at 15 twips per pixel.
    setFixedSize(267, 237);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(16, 8, 225, 177);
    label->setFont(arialFont(9.75));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setText(utf8(information_texts::kNote).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    auto* ok = new QPushButton(utf8(information_texts::kOk), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(80, 200, 97, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    move(topLeft);
}

}  // namespace tavir::ui
