// Any bytes as a series file: a whole series or a refusal with its message, no fault.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "series_loader_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string broken = tavir::fuzz::checkSeriesLoader(bytes);
    if (!broken.empty()) {
        std::fprintf(stderr, "series loader: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
