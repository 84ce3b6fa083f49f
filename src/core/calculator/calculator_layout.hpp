#pragma once
// Where the calculator's keys stand in its window, for the desktop and the browser alike.
#include <array>
#include <span>
#include <string_view>

#include "core/calculator/calculator_keys.hpp"

namespace tavir {

struct KeyPlace {
    CalcKey key;
    int x, y, w, h;
};

namespace calculator_layout {
using K = CalcKey;

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

constexpr std::array<KeyPlace, 49> kPlaces = {{
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

}  // namespace calculator_layout

// Every key of the window but the four options, at its place.
inline std::span<const KeyPlace> calculatorLayout() { return calculator_layout::kPlaces; }

// The picture a key shows instead of a caption (assets/calculator/NAME.svg), "" for none.
constexpr std::string_view keyPicture(CalcKey key) {
    switch (key) {
    case CalcKey::Bexp: return "exp";
    case CalcKey::B10x: return "ten_power";
    case CalcKey::puissance: return "power";
    case CalcKey::btcarre: return "square";
    default: return {};
    }
}

// The display line, and the two option frames (angles, then display format) at y 52, 136 x 58,
// each option 10 pixels in and 120 x 18, at 16 and 35 pixels down its frame.
struct Box {
    int x, y, w, h;
};
constexpr Box kCalculatorDisplay{10, 10, 282, 34};
constexpr Box kAnglesFrame{10, 52, 136, 58};
constexpr Box kFormatFrame{156, 52, 136, 58};
constexpr int kDisplayPoints = 12;
constexpr int kSmallestDisplayPoints = 8;

}  // namespace tavir
