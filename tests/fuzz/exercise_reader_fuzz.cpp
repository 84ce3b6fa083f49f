// Any bytes as an exercise file: the chooser's fields or a refusal, no fault.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "exercise_reader_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken =
        tavir::fuzz::checkExerciseReader(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!broken.empty()) {
        std::fprintf(stderr, "exercise reader: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
