#pragma once
// The core keeps its texts as UTF-8 string views; the windows show them as QStrings.
#include <QString>
#include <string_view>

namespace tavir::ui {

inline QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace tavir::ui
