// Pictures: {\pict <format and sizes> <hex digits or \binN bytes>}.
#include "core/richtext/rtf_parser.hpp"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace tavir::rtf {

namespace {

// Picture formats: those the model keeps, and the others, which are left out.
struct PictureWord {
    std::string_view word;
    std::optional<PictureFormat> format;
};
constexpr std::array<PictureWord, 8> kPictureWords = {{
    {"pngblip", PictureFormat::Png},
    {"jpegblip", PictureFormat::Jpeg},
    {"emfblip", PictureFormat::Emf},
    {"wmetafile", PictureFormat::Wmf},
    {"dibitmap", std::nullopt},
    {"wbitmap", std::nullopt},
    {"macpict", std::nullopt},
    {"pmmetafile", std::nullopt},
}};

}  // namespace

// Pictures: {\pict <format and sizes> <hex digits or \binN bytes>}.
void RtfParser::startPicture() {
    state().destination = Destination::Picture;
    pictureDepth_ = stack_.size();
    picture_ = Picture{};
    pictureFormat_.reset();
    pictureGoalWidth_ = pictureGoalHeight_ = 0;
    pictureScaleX_ = pictureScaleY_ = 100;
    pendingNibble_ = -1;
}

void RtfParser::pictureWord(const std::string& word, bool hasParameter, std::int64_t value, bool starred) {
    if (starred) {
        state().destination = Destination::Skip;  // \*\picprop, \*\blipuid
        return;
    }
    for (const auto& format : kPictureWords) {
        if (word == format.word) {
            pictureFormat_ = format.format;
            if (word == "wmetafile") picture_.metafileMapping = hasParameter ? clampTo(value, 1, 8) : 8;
            return;
        }
    }
    if (word == "picw") picture_.sourceWidth = clampTo(value, 0, INT32_MAX);
    else if (word == "pich") picture_.sourceHeight = clampTo(value, 0, INT32_MAX);
    else if (word == "picwgoal") pictureGoalWidth_ = clampTo(value, 0, kMaxPictureTwips);
    else if (word == "pichgoal") pictureGoalHeight_ = clampTo(value, 0, kMaxPictureTwips);
    else if (word == "picscalex") pictureScaleX_ = clampTo(value, 1, kMaxPictureScale);
    else if (word == "picscaley") pictureScaleY_ = clampTo(value, 1, kMaxPictureScale);
}

void RtfParser::pictureHexDigit(std::uint8_t b) {
    const int digit = hexValue(static_cast<char>(b));
    if (digit < 0) return;  // line ends and blanks between the digits
    if (pendingNibble_ < 0) {
        pendingNibble_ = digit;
        return;
    }
    picture_.data.push_back(static_cast<char>(pendingNibble_ * 16 + digit));
    pendingNibble_ = -1;
}

// The shown size: the goal scaled, or the picture's own size (pixels at 96 dpi for a
// bitmap, hundredths of a millimetre for a metafile), or for a PNG its header's.
int RtfParser::shownSize(int goal, int scale, int source, std::size_t pngField) const {
    std::int64_t twips = 0;
    if (goal > 0) twips = std::int64_t{goal} * scale / 100;
    else if (source > 0 && (*pictureFormat_ == PictureFormat::Png || *pictureFormat_ == PictureFormat::Jpeg))
        twips = std::int64_t{source} * kTwipsPerPixel * scale / 100;
    else if (source > 0) twips = std::int64_t{source} * 1440 / 2540 * scale / 100;
    else if (*pictureFormat_ == PictureFormat::Png && picture_.data.size() >= 24 && picture_.data.substr(12, 4) == "IHDR") {
        std::int64_t pixels = 0;
        for (std::size_t i = pngField; i < pngField + 4; ++i)
            pixels = pixels * 256 + static_cast<std::uint8_t>(picture_.data[i]);
        twips = std::min<std::int64_t>(pixels, kMaxPictureTwips) * kTwipsPerPixel * scale / 100;
    }
    if (twips <= 0) twips = 1440;  // nothing says: one inch
    return clampTo(twips, 1, kMaxPictureTwips);
}

void RtfParser::endPicture() {
    if (picture_.data.empty()) return;
    if (!pictureFormat_) {
        noteDropped(DroppedContent::Pictures);  // a format the model does not keep, or none given
        return;
    }
    picture_.format = *pictureFormat_;
    const bool inShape = std::exchange(pictureInShape_, false);
    // A shape's picture is drawn at the shape's size, which its own words rarely give.
    if (inShape && pictureGoalWidth_ == 0 && shapeRight_ > shapeLeft_) pictureGoalWidth_ = shapeRight_ - shapeLeft_;
    if (inShape && pictureGoalHeight_ == 0 && shapeBottom_ > shapeTop_) pictureGoalHeight_ = shapeBottom_ - shapeTop_;
    picture_.width = shownSize(pictureGoalWidth_, pictureScaleX_, picture_.sourceWidth, 16);
    picture_.height = shownSize(pictureGoalHeight_, pictureScaleY_, picture_.sourceHeight, 20);
    if (picture_.format != PictureFormat::Wmf) picture_.metafileMapping = 8;
    if (inShape) {
        if (shapePicture_) return;  // one picture per shape
        shapePicture_ = shapeShown_ = true;
    } else if (state().destination != Destination::Text) {
        return;
    }
    flushSurrogate();
    flushRun();
    meter_.addRun({});
    paragraph_.append(pictureRun(std::exchange(picture_, Picture{}), runLook(state().chars)));
    setParagraphProps(state().para);
}

}  // namespace tavir::rtf
