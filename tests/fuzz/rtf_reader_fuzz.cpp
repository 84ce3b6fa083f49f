// Any bytes through the RTF reader, then the writer, then the reader again: no fault, no
// hang, and the second reading equals the first.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../core/richtext/rtf_roundtrip_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string broken = tavir::fuzz::checkRtfRoundTrip(input);
    if (!broken.empty()) {
        std::fprintf(stderr, "rtf reader: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
