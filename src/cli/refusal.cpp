#include <iostream>

#include "cli/commands.hpp"

namespace tavir::cli {

int refuse(const FileFailure& failure) {
    std::cerr << failure.message;
    if (!failure.detail.empty()) std::cerr << " (" << failure.detail << ")";
    std::cerr << "\n";
    return kRefused;
}

}  // namespace tavir::cli
