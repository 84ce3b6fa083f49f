#pragma once
// The modal window "Machine à calculer". Every key is forwarded to the core's CalculatorKeys
// and the display line shows what the keys hold; nothing is computed here.
#include <QDialog>
#include <array>
#include <optional>

#include "core/calculator/calculator_keys.hpp"

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QKeyEvent;

namespace tavir::ui {

class CalculatorWindow : public QDialog {
    Q_OBJECT
public:
    // memory: the run's one-value memory, kept by the caller across windows.
    explicit CalculatorWindow(CalculatorMemory& memory, QWidget* parent = nullptr);

    const CalculatorKeys& keys() const { return keys_; }
    // The key's button (or option button, for degres, radians, scientifique, standard).
    QAbstractButton* button(CalcKey key) const;

signals:
    // Each time the window sounds the system beep (an error or an overflow).
    void beeped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildKeys();
    void buildOptions();
    void press(CalcKey key);
    // The key a key press stands for, if it is one of the calculator's.
    std::optional<CalcKey> keyFor(const QKeyEvent& event) const;
    void showDisplay();
    // The width the display's text can take without scrolling.
    int displayRoom() const;

    CalculatorKeys keys_;
    QLineEdit* z1 = nullptr;
    std::array<QRadioButton*, 2> angle{};
    std::array<QRadioButton*, 2> C{};
    std::array<QAbstractButton*, std::size_t(CalcKey::standard) + 1> buttons_{};
};

}  // namespace tavir::ui
