#include "core/output/picture_file.hpp"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/files/file_io.hpp"
#include "core/files/texts.hpp"
#include "core/output/texts.hpp"

namespace tavir::output {

namespace {
constexpr std::array kFormats{PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf};

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}
}  // namespace

std::string_view pictureExtension(PictureFormat format) {
    switch (format) {
    case PictureFormat::Png: return "png";
    case PictureFormat::Svg: return "svg";
    case PictureFormat::Pdf: return "pdf";
    }
    return "png";
}

PictureFile pictureFile(std::string_view chosen, PictureFormat filterFormat) {
    const std::string extension = lowered(std::filesystem::path(chosen).extension().string());
    for (PictureFormat f : kFormats)
        if (extension == "." + std::string(pictureExtension(f))) return {std::string(chosen), f};
    return {std::string(chosen) + "." + std::string(pictureExtension(filterFormat)), filterFormat};
}

FileDone savePictureFile(const std::filesystem::path& path, std::string_view bytes) {
    const auto failed = [&](std::string detail) {
        return FileFailure{std::string(files_texts::kSaveFailureTitle),
                           std::string(output_texts::kCannotSavePicture) + path.string(), std::move(detail)};
    };
    if (bytes.empty()) return failed(std::string(output_texts::kPictureNotDrawn));
    const FileDone written = writeFileAtomically(path, bytes);
    if (!written) return failed(written.failure().detail);
    return {};
}

}  // namespace tavir::output
