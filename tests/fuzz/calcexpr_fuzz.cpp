// Any bytes through calcexpr: an error code or a number out, no fault, no hang.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "calcexpr_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string broken = tavir::fuzz::checkCalcexpr(input);
    if (!broken.empty()) {
        std::fprintf(stderr, "calcexpr: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
