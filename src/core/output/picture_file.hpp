#pragma once
// The picture files of the views: which format a chosen name asks for, and the write.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/files/file_result.hpp"

namespace tavir::output {

enum class PictureFormat { Png, Svg, Pdf };

// "png", "svg", "pdf".
std::string_view pictureExtension(PictureFormat format);

struct PictureFile {
    std::string path;
    PictureFormat format;
    bool operator==(const PictureFile&) const = default;
};

// A name ending in .png, .svg or .pdf (whatever the case) is kept and says the format; any
// other name gets the extension of the format of the chosen filter, so that the file's name
// never lies about what it holds.
PictureFile pictureFile(std::string_view chosen, PictureFormat filterFormat);

// Writes a picture's bytes as a whole (an old file stays whole when this fails); empty bytes
// mean the picture could not be drawn and are refused.
FileDone savePictureFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tavir::output
