#include "ui/calculator/calculator_window.hpp"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QSvgRenderer>

#include "core/calculator/calculator_layout.hpp"
#include "core/calculator/machine_background.hpp"
#include "ui/calculator/texts.hpp"
#include "ui/common/fonts.hpp"
#include "ui/common/qt_canvas.hpp"
#include "ui/common/resources.hpp"

namespace tavir::ui {

namespace {

using K = CalcKey;


QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Our own pictures for the four keys that show one.
QString pictureOf(CalcKey key) {
    const std::string_view name = keyPicture(key);
    return name.empty() ? QString() : QStringLiteral(":/calculator/%1.svg").arg(qs(name));
}

// The name a screen reader announces for a key, where its caption does not say it.
QString spokenName(std::string_view control) {
    for (const auto& entry : calculator_texts::kA11yKeyNames)
        if (entry.control == control) return qs(entry.name);
    return {};
}

QIcon pictureIcon(const QString& file, QSize size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p);
    p.end();
    pixmap.setDevicePixelRatio(ratio);
    return QIcon(pixmap);
}

}  // namespace

CalculatorWindow::CalculatorWindow(CalculatorMemory& memory, QWidget* parent)
    : QDialog(parent), keys_(memory) {
    ensureResources();
    setObjectName(QStringLiteral("Machine"));
    setWindowTitle(qs(calculator_texts::kTitle));
    setModal(true);
    setFixedSize(kMachineWidth, kMachineHeight);
    setFont(arialFont(9));

    z1 = new QLineEdit(this);
    z1->setObjectName(QStringLiteral("z1"));
    z1->setGeometry(kCalculatorDisplay.x, kCalculatorDisplay.y, kCalculatorDisplay.w, kCalculatorDisplay.h);
    z1->setFont(arialFont(kDisplayPoints));
    z1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    z1->setAccessibleName(qs(calculator_texts::kA11yDisplay));
    // The pupil types through the keys only: no menu, no drop, no middle-button paste.
    z1->setContextMenuPolicy(Qt::NoContextMenu);
    z1->setAcceptDrops(false);
    z1->setDragEnabled(false);
    z1->installEventFilter(this);

    buildKeys();
    buildOptions();
    showDisplay();
}

void CalculatorWindow::buildKeys() {
    const qreal ratio = qMax<qreal>(1.0, devicePixelRatioF());
    for (const KeyPlace& place : calculatorLayout()) {
        const CalcKeyInfo& info = keyInfo(place.key);
        auto* b = new QPushButton(this);
        b->setObjectName(qs(info.name));
        b->setGeometry(place.x, place.y, place.w, place.h);
        b->setFocusPolicy(Qt::NoFocus);  // the display keeps the focus
        b->setAutoDefault(false);
        if (!info.tooltip.empty()) b->setToolTip(qs(info.tooltip));
        if (const QString name = spokenName(info.name); !name.isEmpty()) b->setAccessibleName(name);
        if (const QString picture = pictureOf(place.key); !picture.isEmpty()) {
            b->setIcon(pictureIcon(picture, QSize(32, 20), ratio));
            b->setIconSize(QSize(32, 20));
        } else {
            b->setText(qs(info.caption));
        }
        if (place.key == K::EXE) b->setFont(arialFont(9, true));
        const CalcKey key = place.key;
        connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
        buttons_[static_cast<std::size_t>(key)] = b;
    }
}

void CalculatorWindow::buildOptions() {
    auto frame = [this](std::string_view title, const Box& place) {
        auto* box = new QGroupBox(qs(title), this);
        box->setGeometry(place.x, place.y, place.w, place.h);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    };
    auto option = [this](QGroupBox* box, const char* name, CalcKey key, int y) {
        auto* r = new QRadioButton(qs(keyInfo(key).caption), box);
        r->setObjectName(QString::fromLatin1(name));
        r->setGeometry(10, y, 120, 18);
        r->setFocusPolicy(Qt::NoFocus);
        connect(r, &QRadioButton::clicked, this, [this, key] { press(key); });
        buttons_[static_cast<std::size_t>(key)] = r;
        return r;
    };
    // objectName cannot hold "angle(0)": the option arrays are named angle0, angle1, C0, C1.
    QGroupBox* angles = frame(calculator_texts::kAngles, kAnglesFrame);
    angles->setObjectName(QStringLiteral("Frame_angles"));
    angle[0] = option(angles, "angle0", K::degres, 16);
    angle[1] = option(angles, "angle1", K::radians, 35);
    QGroupBox* affichage = frame(calculator_texts::kAffichage, kFormatFrame);
    affichage->setObjectName(QStringLiteral("Frame_affichage"));
    C[0] = option(affichage, "C0", K::scientifique, 16);
    C[1] = option(affichage, "C1", K::standard, 35);
    angle[0]->setChecked(true);
    C[1]->setChecked(true);
}

QAbstractButton* CalculatorWindow::button(CalcKey key) const { return buttons_[static_cast<std::size_t>(key)]; }

void CalculatorWindow::press(CalcKey key) {
    if (key == K::EXE) {
        z1->setText(qs(calculator_texts::kPatience));
        z1->repaint();
    }
    const bool beep = keys_.press(key);
    showDisplay();
    if (beep) {
        QApplication::beep();
        emit beeped();
    }
}

void CalculatorWindow::showDisplay() {
    const QString text = QString::fromStdString(keys_.display());
    // While typing, the caret follows the end of the line. A result or a message is read from
    // its first character, in a smaller type when that is what it takes to show it whole.
    const bool typing = keys_.display() == keys_.line();
    QFont font = arialFont(kDisplayPoints);
    if (!typing) {
        for (int points = kDisplayPoints - 1;
             points >= kSmallestDisplayPoints && QFontMetrics(font).horizontalAdvance(text) > displayRoom(); --points)
            font = arialFont(points);
    }
    if (z1->font() != font) z1->setFont(font);
    if (z1->text() != text) z1->setText(text);
    z1->setFocus(Qt::OtherFocusReason);
    z1->deselect();
    z1->setCursorPosition(typing ? static_cast<int>(z1->text().size()) : 0);
    z1->update();
}

int CalculatorWindow::displayRoom() const {
    // The frame on each side, the line edit's own margin of 2 pixels and the caret.
    const int frame = z1->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, z1);
    const QMargins margins = z1->textMargins();
    return z1->width() - 2 * frame - 4 - 1 - margins.left() - margins.right();
}

std::optional<CalcKey> CalculatorWindow::keyFor(const QKeyEvent& event) const {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Backspace: return K::EFFACE;
    case Qt::Key_Return:
    case Qt::Key_Enter: return K::EXE;
    default: break;
    }
    const QString text = event.text();
    if (text.size() != 1) return std::nullopt;
    const char32_t ch = text.at(0).unicode();
    if (ch == U'\b' || ch == U'\r' || ch == U'\n') return std::nullopt;  // only through their own keys
    return keyForCharacter(ch);
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    // Other keys, Escape included, do nothing.
    if (const auto key = keyFor(*event)) press(*key);
    event->accept();
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != z1) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Our keys are typed, never taken as another control's shortcut.
        if (keyFor(*static_cast<QKeyEvent*>(event))) event->accept();
        return false;
    case QEvent::KeyPress:
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::InputMethod:
    case QEvent::Drop:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default: return false;
    }
}

void CalculatorWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter, rect(), palette().color(QPalette::Window));
    drawMachineBackground(canvas);
}

}  // namespace tavir::ui
