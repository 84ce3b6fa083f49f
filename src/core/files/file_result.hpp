#pragma once
// The one outcome of every loader and saver of the program's files: the value, or the
// failure as the pupil reads it (the title and text of the critical message box, or the
// companion's line on standard error).
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "core/files/texts.hpp"

namespace tavir {

struct FileFailure {
    std::string title;
    std::string message;
    // The system's reason in French ("accès refusé"): the companion prints it after the
    // message, the window under it (withReason).
    std::string detail;

    // The message, then a blank line and "Raison : " with the reason, when there is one.
    std::string withReason() const {
        if (detail.empty()) return message;
        return message + "\n\n" + std::string(files_texts::kReasonPrefix) + detail;
    }
};

template <typename T = std::monostate>
class [[nodiscard]] FileResult {
public:
    // A saver's success.
    FileResult() requires std::is_same_v<T, std::monostate> = default;
    FileResult(T value) : outcome_(std::in_place_index<0>, std::move(value)) {}
    FileResult(FileFailure failure) : outcome_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return outcome_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(outcome_); }
    T& value() & { return std::get<0>(outcome_); }
    T&& value() && { return std::get<0>(std::move(outcome_)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    const FileFailure& failure() const { return std::get<1>(outcome_); }

    // The same failure told in the caller's words, keeping the system's reason: a reader
    // of bytes knows why it failed, its caller knows what to tell the pupil.
    template <typename U>
    FileResult<U> failedAs(std::string_view title, std::string message) const {
        return FileFailure{std::string(title), std::move(message), failure().detail};
    }

private:
    std::variant<T, FileFailure> outcome_;
};

using FileDone = FileResult<>;

}  // namespace tavir
