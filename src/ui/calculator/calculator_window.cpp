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

#include "core/calculator/machine_background.hpp"
#include "ui/calculator/texts.hpp"
#include "ui/common/fonts.hpp"
#include "ui/common/qt_canvas.hpp"
#include "ui/common/resources.hpp"

namespace tavir::ui {

namespace {

using K = CalcKey;

constexpr int kDisplayPoints = 12;
constexpr int kSmallestDisplayPoints = 8;

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

struct Place {
    CalcKey key;
    int x, y, w, h;
};

// Our own layout, grouped as on a pocket calculator: functions on top, then the memory and
// parentheses, the keypad in the etched panel, SI prefixes on its left, operators on its right.
constexpr int kRow1 = 120, kRow2 = 153, kRow3 = 186, kRowMemory = 230;
constexpr int kPad1 = 294, kPad2 = 325, kPad3 = 356, kPad4 = 387;
constexpr int kFn = 52, kFnH = 29, kPadW = 37, kPadH = 28;
constexpr std::array<int, 5> kFnX = {10, 68, 125, 183, 240};
constexpr std::array<int, 6> kMemX = {10, 57, 104, 151, 198, 245};
constexpr std::array<int, 3> kDigitX = {86, 125, 164};  // inside the panel (82..205)
constexpr std::array<int, 2> kLeftX = {10, 45};          // prefixes
constexpr std::array<int, 2> kRightX = {212, 254};       // operators

constexpr std::array<Place, 49> kPlaces = {{
    {K::bsin, kFnX[0], kRow1, kFn, kFnH},
    {K::Bcos, kFnX[1], kRow1, kFn, kFnH},
    {K::Btan, kFnX[2], kRow1, kFn, kFnH},
    {K::racine, kFnX[3], kRow1, kFn, kFnH},
    {K::btcarre, kFnX[4], kRow1, kFn, kFnH},
    {K::invsin, kFnX[0], kRow2, kFn, kFnH},
    {K::invcos, kFnX[1], kRow2, kFn, kFnH},
    {K::Btoncommande3, kFnX[2], kRow2, kFn, kFnH},
    {K::puissance, kFnX[3], kRow2, kFn, kFnH},
    {K::B10x, kFnX[4], kRow2, kFn, kFnH},
    {K::Bln, kFnX[0], kRow3, kFn, kFnH},
    {K::Blog, kFnX[1], kRow3, kFn, kFnH},
    {K::Bexp, kFnX[2], kRow3, kFn, kFnH},
    {K::Command5, kFnX[3], kRow3, kFn, kFnH},
    {K::pi, kFnX[4], kRow3, kFn, kFnH},
    {K::Command1, kMemX[0], kRowMemory, 43, kFnH},
    {K::Command2, kMemX[1], kRowMemory, 43, kFnH},
    {K::Command3, kMemX[2], kRowMemory, 43, kFnH},
    {K::Command4, kMemX[3], kRowMemory, 43, kFnH},
    {K::Bpo, kMemX[4], kRowMemory, 43, kFnH},
    {K::bpf, kMemX[5], kRowMemory, 47, kFnH},
    {K::kilo, kLeftX[0], kPad1, 31, kPadH},
    {K::mil, kLeftX[1], kPad1, 31, kPadH},
    {K::mega, kLeftX[0], kPad2, 31, kPadH},
    {K::micro, kLeftX[1], kPad2, 31, kPadH},
    {K::giga, kLeftX[0], kPad3, 31, kPadH},
    {K::nano, kLeftX[1], kPad3, 31, kPadH},
    {K::tera, kLeftX[0], kPad4, 31, kPadH},
    {K::pico, kLeftX[1], kPad4, 31, kPadH},
    {K::B7, kDigitX[0], kPad1, kPadW, kPadH},
    {K::B8, kDigitX[1], kPad1, kPadW, kPadH},
    {K::B9, kDigitX[2], kPad1, kPadW, kPadH},
    {K::B4, kDigitX[0], kPad2, kPadW, kPadH},
    {K::B5, kDigitX[1], kPad2, kPadW, kPadH},
    {K::B6, kDigitX[2], kPad2, kPadW, kPadH},
    {K::B1, kDigitX[0], kPad3, kPadW, kPadH},
    {K::B2, kDigitX[1], kPad3, kPadW, kPadH},
    {K::B3, kDigitX[2], kPad3, kPadW, kPadH},
    {K::B0, kDigitX[0], kPad4, kPadW, kPadH},
    {K::Bpoint, kDigitX[1], kPad4, kPadW, kPadH},
    {K::BtoEXP, kDigitX[2], kPad4, kPadW, kPadH},
    {K::EFFACE, kRightX[0], kPad1, 38, kPadH},
    {K::RAZ, kRightX[1], kPad1, 38, kPadH},
    {K::multip, kRightX[0], kPad2, 38, kPadH},
    {K::div, kRightX[1], kPad2, 38, kPadH},
    {K::plus, kRightX[0], kPad3, 38, kPadH},
    {K::moins, kRightX[1], kPad3, 38, kPadH},
    {K::ANS, kRightX[0], kPad4, 38, kPadH},
    {K::EXE, kRightX[1], kPad4, 38, kPadH},
}};

// Our own pictures for the four keys that show one.
QString pictureOf(CalcKey key) {
    switch (key) {
    case K::Bexp: return QStringLiteral(":/calculator/exp.svg");
    case K::B10x: return QStringLiteral(":/calculator/ten_power.svg");
    case K::puissance: return QStringLiteral(":/calculator/power.svg");
    case K::btcarre: return QStringLiteral(":/calculator/square.svg");
    default: return {};
    }
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
    z1->setGeometry(10, 10, 282, 34);
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
    for (const Place& place : kPlaces) {
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
    auto frame = [this](std::string_view title, int x) {
        auto* box = new QGroupBox(qs(title), this);
        box->setGeometry(x, 52, 136, 58);
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
    QGroupBox* angles = frame(calculator_texts::kAngles, 10);
    angles->setObjectName(QStringLiteral("Frame_angles"));
    angle[0] = option(angles, "angle0", K::degres, 16);
    angle[1] = option(angles, "angle1", K::radians, 35);
    QGroupBox* affichage = frame(calculator_texts::kAffichage, 156);
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
