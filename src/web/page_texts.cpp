#include "web/page_texts.hpp"

#include "core/board/texts.hpp"
#include "core/calculator/machine_background.hpp"
#include "core/calculator/calculator_layout.hpp"
#include "core/calculator/texts.hpp"
#include "core/dotstructure/information_texts.hpp"
#include "core/dotstructure/texts.hpp"
#include "core/exercises/texts.hpp"
#include "core/richtext/rich_text_html.hpp"
#include "core/richtext/rtf_file.hpp"
#include "core/richtext/texts.hpp"
#include "core/geometry3d/texts.hpp"
#include "core/help/introduction_text.hpp"
#include "core/help/texts.hpp"
#include "core/output/texts.hpp"
#include "core/series/texts.hpp"
#include "core/text/json.hpp"

namespace tavir::web {

namespace {

class Object {
public:
    Object& add(std::string_view key, std::string_view text) { return raw(key, jsonString(text)); }
    Object& raw(std::string_view key, const std::string& json) {
        out_ += (out_.size() > 1 ? "," : "") + jsonString(key) + ":" + json;
        return *this;
    }
    Object& button(const board_texts::ButtonTexts& b) {
        Object o;
        o.add("name", b.name).add("caption", b.caption).add("tooltip", b.tooltip).add("hover", b.hover);
        return raw(b.name, o.str());
    }
    std::string str() const { return out_ + "}"; }

private:
    std::string out_ = "{";
};

template <typename List>
std::string array(const List& list) {
    std::string out = "[";
    for (const auto& item : list) out += (out.size() > 1 ? "," : "") + jsonString(item);
    return out + "]";
}

// The calculator window: its keys at their places with what they show and say, its options.
std::string calculatorTexts() {
    namespace c = calculator_texts;
    const auto spoken = [](std::string_view name) {
        for (const auto& entry : c::kA11yKeyNames)
            if (entry.control == name) return entry.name;
        return std::string_view();
    };
    std::string keys = "[";
    for (const KeyPlace& place : calculatorLayout()) {
        const CalcKeyInfo& info = keyInfo(place.key);
        Object key;
        key.add("name", info.name).add("caption", info.caption).add("tooltip", info.tooltip)
            .add("spoken", spoken(info.name)).add("picture", keyPicture(place.key))
            .raw("place", "[" + std::to_string(place.x) + "," + std::to_string(place.y) + "," + std::to_string(place.w) +
                              "," + std::to_string(place.h) + "]");
        keys += (keys.size() > 1 ? "," : "") + key.str();
    }
    keys += "]";
    const auto box = [](const Box& b) {
        return "[" + std::to_string(b.x) + "," + std::to_string(b.y) + "," + std::to_string(b.w) + "," + std::to_string(b.h) + "]";
    };
    const auto option = [](CalcKey k) {
        Object o;
        o.add("name", keyInfo(k).name).add("caption", keyInfo(k).caption);
        return o.str();
    };
    Object t;
    t.add("title", c::kTitle).add("angles", c::kAngles).add("format", c::kAffichage).add("displayName", c::kA11yDisplay)
        .raw("keys", keys)
        .raw("angleOptions", "[" + option(CalcKey::degres) + "," + option(CalcKey::radians) + "]")
        .raw("formatOptions", "[" + option(CalcKey::scientifique) + "," + option(CalcKey::standard) + "]")
        .raw("display", box(kCalculatorDisplay)).raw("anglesFrame", box(kAnglesFrame)).raw("formatFrame", box(kFormatFrame))
        .raw("size", "[" + std::to_string(kMachineWidth) + "," + std::to_string(kMachineHeight) + "]")
        .raw("displayPoints", "[" + std::to_string(kDisplayPoints) + "," + std::to_string(kSmallestDisplayPoints) + "]");
    return t.str();
}

}  // namespace

std::string pageTexts() {
    namespace b = board_texts;
    namespace d = dot_texts;
    namespace g = geometry_texts;
    namespace o = output_texts;
    Object buttons;
    for (const auto& button : b::kButtons) buttons.button(button);
    buttons.button(b::kCopyLink);

    std::string intro = "[";
    for (const IntroPiece& piece : kIntroduction) {
        const char* style = piece.style == IntroStyle::Title ? "title" : piece.style == IntroStyle::Blue ? "blue" : "plain";
        intro += std::string(intro.size() > 1 ? "," : "") + "{\"text\":" + jsonString(piece.text) + ",\"style\":\"" + style +
                 "\"}";
    }
    intro += "]";

    Object t;
    t.add("windowCaption", b::kWindowCaption)
        .add("frame1Title", b::kFrame1Title)
        .add("info2", b::kInfo2)
        .add("info2Keyboard", b::kInfo2Keyboard)
        .add("boardKeyboardTooltip", b::kBoardKeyboardTooltip)
        .add("boardAccessibleName", b::kBoardAccessibleName)
        .add("boardKeyboardHelp", b::kBoardKeyboardHelp)
        .raw("bondMenu", array(std::array{b::kBondSimple, b::kBondDouble, b::kBondTriple}))
        .add("bondMenuName", b::kA11yBondMenu)
        .raw("copyMenu", array(std::array{b::kConstruc.caption, b::kTavirrep.caption, b::kAni3d.caption,
                                          b::kAni3dsf.caption, b::kSaveImage.caption}))
        .add("copyMenuName", b::kA11yCopyMenu)
        .raw("eraseMenu", array(std::array{b::kSq01.caption, b::kSq02.caption}))
        .add("eraseMenuName", b::kA11yEraseMenu)
        .raw("buttons", buttons.str())
        .raw("elementNames", array(b::kA11yElementNames))
        .raw("symbols", array(d::kSymbols))
        .add("paletteDescription", b::kA11yPaletteDescription)
        .add("constructionTooltip", b::kConstructionTooltipPrefix)
        .add("constructionName", b::kA11yConstructionPrefix)
        .add("constructionDescription", b::kA11yConstructionDescription)
        .add("drawingFrameName", b::kA11yDrawingFrame)
        .add("label2", d::kLabel2Caption)
        .raw("checks", array(std::array{d::kCheck1Caption, d::kCheck2Caption, d::kCheck3Caption}))
        .add("polarity", d::kCheck4Caption)
        .raw("atomMenu", array(std::array{b::kLonePair, b::kVacancy}))
        .add("atomMenuName", b::kA11yAtomMenu)
        .add("formulaName", d::kA11yFormula)
        .add("dotStructureName", d::kA11yDotStructure)
        .add("smileName", d::kA11ySmile)
        .add("smileDescription", d::kA11ySmileDescription)
        .add("informationPictureName", d::kA11yInformationPicture)
        .add("informationPictureDescription", d::kA11yInformationPictureDescription)
        .add("informationCaption", information_texts::kCaption)
        .add("informationNote", information_texts::kNote)
        .add("informationOk", information_texts::kOk)
        .add("animationFrame", g::kAnimationFrame)
        .add("animationFrameName", g::kA11yAnimationFrame)
        .add("animationName", g::kA11yAnimation)
        .add("speedLabel", g::kSpeedLabel)
        .add("speedTooltip", g::kSpeedTooltip)
        .add("compact", g::kCompactCaption)
        .add("compactName", g::kA11yCompact)
        .add("compactDescription", g::kA11yCompactDescription)
        .add("figureName", g::kA11yFigure)
        .add("figureDescription", g::kA11yFigureDescription)
        .raw("stepTooltips", array(g::kStepButtonTooltips))
        .add("savePictureTitle", o::kSavePictureTitle)
        .add("pictureChoiceLabel", o::kPictureChoiceLabel)
        .raw("pictureChoices", array(std::array{o::kPictureBoard, o::kPictureDotStructure, o::kPictureAnimation,
                                                o::kPictureAnimationBare}))
        .raw("pictureNames", array(std::array{o::kPictureBoardName, o::kPictureDotStructureName,
                                              o::kPictureAnimationName, o::kPictureAnimationName}))
        .raw("pictureFormats", array(std::array{o::kPngFilter, o::kSvgFilter}))
        .add("pictureSaved", o::kPictureSaved)
        .add("seriesExtension", series_texts::kExtension)
        .add("loading", b::kLoading)
        .add("manifestDescription", b::kManifestDescription)
        .add("noScript", b::kNoScript)
        .add("noWebAssembly", b::kNoWebAssembly)
        .add("linkCopied", b::kLinkCopied)
        .add("linkToCopy", b::kLinkToCopy)
        .add("storageUnavailable", b::kStorageUnavailable)
        .add("seriesNameLabel", b::kSeriesNameLabel)
        .raw("seriesAnswers", array(std::array{b::kAnswerSave, b::kAnswerDontSave, b::kAnswerCancel}))
        .add("ok", b::kDialogOk)
        .add("cancel", b::kDialogCancel)
        .add("downloaded", b::kDownloaded)
        .add("longPressHelp", b::kLongPressHelp)
        .add("pictureNotCopied", b::kPictureNotCopied)
        .raw("introduction", intro)
        .raw("calculator", calculatorTexts())
        .add("exerciseTextName", exercise_texts::kA11yExerciseText)
        .raw("rtfFileBytes", std::to_string(kMaxRtfFileBytes))
        .add("richTextDefaults", richTextDefaultsCss())
        .raw("exercises", Object()
                              .add("buttonName", exercise_texts::kA11yExerciseButton)
                              .add("menuName", exercise_texts::kA11yExerciseMenu)
                              .add("menuGuidedTour", exercise_texts::kMenuGuidedTour)
                              .add("menuOpenExercise", exercise_texts::kMenuOpenExercise)
                              .add("menuCorrection", exercise_texts::kMenuCorrection)
                              .add("menuSaveText", exercise_texts::kMenuSaveText)
                              .add("menuOpenText", exercise_texts::kMenuOpenText)
                              .add("menuPrintText", exercise_texts::kMenuPrintText)
                              .add("menuClose", exercise_texts::kMenuClose)
                              .add("otherExercises", exercise_texts::kOtherExercises)
                              .add("noExerciseTitle", exercise_texts::kNoExerciseTitle)
                              .add("noExercise", exercise_texts::kNoExercise)
                              .add("unknownFileTitle", exercise_texts::kUnknownFileTitle)
                              .add("unknownFile", exercise_texts::kUnknownFile)
                              .add("droppedTitle", richtext_texts::kDroppedTitle)
                              .add("heading", exercise_texts::kHeading)
                              .add("topicsLabel", exercise_texts::kTopicsLabel)
                              .add("difficultyLabel", exercise_texts::kDifficultyLabel)
                              .add("openTooltip", exercise_texts::kOpenTooltip)
                              .add("closeTooltip", exercise_texts::kCloseTooltip)
                              .add("filesName", exercise_texts::kA11yExerciseFiles)
                              .add("topicsName", exercise_texts::kA11yTopics)
                              .add("difficultyPrefix", exercise_texts::kA11yDifficultyPrefix)
                              .add("difficultyLit", exercise_texts::kA11yDifficultyLit)
                              .add("difficultyDark", exercise_texts::kA11yDifficultyDark)
                              .str())
        .add("printCaption", o::kCaption)
        .add("printOptions", o::kOptionsFrame)
        .raw("printPictures", array(std::array{o::kChecBoard, o::kChecAnimation, o::kChecDotStructure}))
        .raw("printChoices", array(std::array{o::kOption1, o::kOption2}))
        .add("printCopies", o::kCopiesLabel)
        .add("printOk", o::kOk)
        .add("printCancel", o::kCancel)
        .raw("help", Object()
                         .add("back", help_texts::kBack)
                         .add("forward", help_texts::kForward)
                         .add("contents", help_texts::kContents)
                         .add("close", help_texts::kClose)
                         .add("missingPage", help_texts::kMissingPage)
                         .add("guideTitle", help_texts::kGuideTitle)
                         .add("courseTitle", help_texts::kCourseTitle)
                         .add("pagesName", help_texts::kA11yPages)
                         .str());
    return t.str();
}

}  // namespace tavir::web
