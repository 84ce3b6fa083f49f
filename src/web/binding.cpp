// The browser page's one way into the core: a session object whose calls are the desktop
// window's, and answers as JSON or SVG text. Nothing here decides a rule or a text.
#include <emscripten/bind.h>

#include <algorithm>
#include <memory>
#include <string>

#include "core/board/bond_menu.hpp"
#include "core/board/cell_names.hpp"
#include "core/board/construction.hpp"
#include "core/calculator/calculator_keys.hpp"
#include "core/calculator/machine_background.hpp"
#include "core/canvas/font_metrics.hpp"
#include "core/canvas/svg_canvas.hpp"
#include "core/exercises/text_file_name.hpp"
#include "core/output/print_drawing.hpp"
#include "core/series/save_name.hpp"
#include "core/series/series_file.hpp"
#include "core/analysis/analysis_json.hpp"
#include "core/session/construction_link.hpp"
#include "core/session/shown_views.hpp"
#include "core/session/workspace.hpp"
#include "core/text/encoding.hpp"
#include "core/text/json.hpp"
#include "web/page_texts.hpp"
#include "web/pupil_texts.hpp"
#include "web/shipped_exercises.hpp"

namespace tavir::web {

namespace {

const char* boolean(bool b) { return b ? "true" : "false"; }

// A4 less 10 mm on each side, in pixels at 96 per inch.
constexpr double kPrintWidth = 190 / 25.4 * 96;
constexpr double kPrintHeight = 277 / 25.4 * 96;

View viewOf(int v) { return v >= 0 && v <= 3 ? static_cast<View>(v) : View::Board; }

std::optional<BoardKey> boardKeyForDomKey(const std::string& key) {
    if (key == "ArrowLeft") return BoardKey::Left;
    if (key == "ArrowRight") return BoardKey::Right;
    if (key == "ArrowUp") return BoardKey::Up;
    if (key == "ArrowDown") return BoardKey::Down;
    if (key == "Delete" || key == "Backspace") return BoardKey::Remove;
    if (key.size() == 1) return boardKeyForCharacter(key[0]);
    return std::nullopt;
}

// The picture of the save and copy items: the view and its look.
struct PictureChoice {
    View view;
    ViewLook look;
};
PictureChoice pictureChoice(int choice) {
    switch (choice) {
    case 1: return {View::DotStructure, screenLook(View::DotStructure)};
    case 2: return {View::Animation, whiteLook(true)};
    case 3: return {View::Animation, bareLook()};
    default: return {View::Board, screenLook(View::Board)};
    }
}

}  // namespace

class Session {
public:
    Session() = default;

    // Everything the page shows besides the pictures.
    std::string state(bool boardHasFocus) const {
        const ViewState& v = ws_.view();
        const Board& b = ws_.board();
        const ResultDescriptions d = describeResults(ws_);
        std::string out = "{";
        out += "\"smile\":" + std::string(boolean(v.smile));
        out += ",\"phototavir\":" + std::string(boolean(v.phototavir));
        out += ",\"checkVisible\":[" + std::string(boolean(v.check1Visible)) + "," + boolean(v.check2Visible) + "," +
               boolean(v.check3Visible) + "," + boolean(v.check4Visible) + "]";
        out += ",\"checked\":[" + std::string(boolean(v.options.dot.redBonds)) + "," +
               boolean(v.options.dot.blueBars) + "," + boolean(v.options.dot.formalCharges) + "," +
               boolean(v.options.dot.polarity) + "]";
        out += ",\"compact\":" + std::string(boolean(v.options.frame.compact));
        out += ",\"figure\":" + std::string(boolean(v.options.frame.figure));
        out += ",\"formulaVisible\":" + std::string(boolean(v.brute));
        out += ",\"c3dText\":" + jsonString(v.c3dText);
        out += ",\"tetra1Visible\":" + std::string(boolean(v.tetra1Visible));
        out += ",\"tetra1Caption\":" + jsonString(v.tetra1Caption);
        out += ",\"timerEnabled\":" + std::string(boolean(v.timerEnabled));
        out += ",\"timerInterval\":" + std::to_string(v.timerInterval);
        out += ",\"speed\":" + std::to_string(ws_.speed());
        out += ",\"frame\":" + std::to_string(ws_.frameCounter());
        out += ",\"undoEnabled\":" + std::string(boolean(v.undoEnabled));
        out += ",\"pasteEnabled\":" + std::string(boolean(v.pasteEnabled));
        out += ",\"current\":" + std::to_string(ws_.currentConstruction());
        out += ",\"info\":" + jsonString(v.info);
        out += ",\"focusedCell\":" + std::to_string(ws_.focusedCell());
        out += ",\"focusFrame\":" + std::to_string(ws_.focusFrameCell(boardHasFocus));
        out += ",\"construction\":" + jsonString(b.record.toString());
        out += ",\"formula\":" + jsonString(ws_.analysis().formula);
        out += ",\"describe\":{\"formula\":" + jsonString(d.formula) + ",\"dotStructure\":" + jsonString(d.dotStructure) +
               ",\"animation\":" + jsonString(d.animation) + "}";
        out += ",\"cells\":[";
        for (int i = 0; i < kCellCount; ++i) {
            const CellPosition p = b.position[static_cast<std::size_t>(i)];
            out += std::string(i ? "," : "") + "{\"left\":" + std::to_string(p.left) + ",\"top\":" +
                   std::to_string(p.top) + ",\"element\":" + std::to_string(b.record.code[static_cast<std::size_t>(i)]) +
                   ",\"movable\":" + boolean(b.customCursor[static_cast<std::size_t>(i)]) +
                   ",\"name\":" + jsonString(cellAccessibleName(b, i)) +
                   ",\"bond\":" + jsonString(cellBondDescription(b, i)) + "}";
        }
        out += "]}";
        return out;
    }

    // A view as the window shows it, for an <svg> of the page that holds the element symbols.
    std::string view(int v, bool boardHasFocus) const {
        const View view = viewOf(v);
        const ViewGeometry g = viewGeometry(view);
        SvgCanvas canvas(g.width, g.height, 1, SvgCanvas::Sprites::Referenced, "tavir-view-" + std::to_string(v));
        drawShownView(ws_, view, screenLook(view),
                      view == View::Board ? ws_.focusFrameCell(boardHasFocus) : -1, canvas);
        return canvas.body();
    }

    // A whole SVG document of a picture of the copy menu (0 board, 1 dot structure cropped to
    // its drawing, 2 the 3D view on white with its bands, 3 without any background), `scale`
    // times its screen size.
    std::string picture(int choice, double scale) const {
        const PictureChoice c = pictureChoice(choice);
        SvgCanvas measuring(1, 1);
        const ViewGeometry g = pictureGeometry(c.view, ws_.analysis(), ws_.view().options, measuring);
        SvgCanvas canvas(g.width, g.height, scale);
        drawViewPicture(c.view, ws_.analysis(), ws_.view().options, ws_.pose(), c.look, g, canvas);
        return canvas.document();
    }

    std::string bondMenu(int cell, int x, int y) {
        const auto menu = ws_.openBondMenu(cell, x, y);
        if (!menu) return "null";
        return "{\"slot\":" + std::to_string(menu->slot) + ",\"enabled\":[" + boolean(menu->simpleEnabled) + "," +
               boolean(menu->doubleEnabled) + "," + boolean(menu->tripleEnabled) + "]}";
    }

    // The pair-or-vacancy items of a carbon's menu, "null" where none may stand.
    std::string atomMenu(int cell, int x, int y) const {
        const auto menu = ws_.openAtomMenu(cell, x, y);
        if (!menu) return "null";
        return "{\"cell\":" + std::to_string(menu->cell) + ",\"vacancy\":" + boolean(menu->vacancy) + "}";
    }

    bool pressKey(const std::string& key) {
        const auto k = boardKeyForDomKey(key);
        return k && ws_.pressBoardKey(*k);
    }
    bool isBoardKey(const std::string& key) const { return boardKeyForDomKey(key).has_value(); }

    bool openLink(const std::string& fragment) {
        const auto c = constructionFromLink(fragment);
        if (!c) return false;
        ws_.openConstruction(*c);
        return true;
    }
    std::string link() const { return linkFragment(ws_.board().record); }

    // A series file's bytes (a Uint8Array): on the board, or the desktop's refusal.
    std::string openSeries(const std::string& bytes, const std::string& name) {
        const auto loaded = decodeSeries(bytes);
        if (!loaded) return failureJson(loaded.failure());
        ws_.setSeriesFileName(name);
        ws_.loadSeries(normalisedSeries(*loaded));
        return "{\"ok\":true}";
    }
    // What replacing or clearing the series asks first: {"title","text"}, or null.
    std::string seriesQuestion() const {
        const auto q = ws_.seriesQuestion();
        if (!q) return "null";
        return "{\"title\":" + jsonString(q->title) + ",\"text\":" + jsonString(q->text) + "}";
    }
    void seriesSaved() { ws_.seriesSaved(); }
    // Whether opening this would put a series on the board ("exercise" with its file,
    // "correction", "tour"): only then is the series question asked.
    bool bringsSeries(const std::string& kind, const std::string& file) const {
        return web::bringsSeries(ws_, kind, file);
    }
    // The bytes of the series file to save, as a new Uint8Array.
    emscripten::val seriesBytes() const {
        const std::string bytes = encodeSeries(ws_.seriesEntries()).value_or(std::string());
        return emscripten::val::global("Uint8Array")
            .new_(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
    }
    std::string seriesFileName() const { return ws_.seriesFileName(); }
    // The name typed for a series to save: the file's name, or the desktop's refusal.
    std::string seriesSaveFileName(const std::string& typed) const {
        const SaveName name = seriesSaveName(typed, "");
        if (!name.ok()) return failureJson({std::string(name.title), std::string(name.message), {}});
        const std::string& path = *name.path;
        return "{\"ok\":true,\"name\":" + jsonString(path.substr(path.find_last_of('/') + 1)) + "}";
    }

    // The print of the current construction or of the series on the browser's A4 pages (its
    // printable area at 10 mm margins), each page one SVG drawing whose atoms are the page's
    // element symbols; or why nothing prints.
    std::string printPages(bool board, bool dotStructure, bool animation, bool series, int copies) const {
        output::PrintRequest request;
        request.board = board;
        request.dotStructure = dotStructure;
        request.animation = animation;
        request.series = series;
        request.copies = std::clamp(copies, 1, 20);  // the window's range
        const output::PageGeometry page{kPrintWidth, kPrintHeight, output::kScreenDpi, output::kScreenDpi};
        const output::PrintOutcome outcome =
            output::planPrintOf(request, ws_.seriesEntries(), ws_.currentConstruction(), page);
        if (outcome.refusal != output::PrintRefusal::None)
            return "{\"refusal\":" + jsonString(output::printRefusalText(outcome.refusal)) + ",\"pages\":[]}";
        const output::PrintPlan& plan = outcome.plan;
        std::string pages = "[";
        for (int k = 0; k < plan.pageCount; ++k) {
            output::PrintPlan one;
            for (const output::PrintStep& step : plan.steps)
                if (step.page == k) one.steps.push_back(step);
            SvgCanvas canvas(static_cast<int>(kPrintWidth), static_cast<int>(kPrintHeight), 1, SvgCanvas::Sprites::Referenced,
                             "tavir-print-" + std::to_string(k));
            output::drawPrintPlan(
                one, [this](int n) { return ws_.analysisOf(n); }, ws_.view().options, ws_.pose(), canvas, {});
            pages += (k ? "," : "") + jsonString(canvas.document());
        }
        return "{\"refusal\":\"\",\"pages\":" + pages + "]}";
    }

    // --- the exercise area: the shipped exercises and the guided tour
    std::string exerciseDiscardQuestion() const { return web::exerciseDiscardQuestion(ws_); }
    std::string openExercise(const std::string& file) { return web::openExercise(ws_, file, shownPictures_); }
    std::string openCorrection() { return web::openCorrection(ws_, shownPictures_); }
    std::string openGuidedTour() { return web::openGuidedTour(ws_, shownPictures_); }
    std::string openText(const std::string& bytes, const std::string& name) {
        return web::openText(ws_, bytes, name, shownPictures_);
    }
    // "" when the save loses nothing the area could not show; else the question to ask first.
    std::string droppedContentQuestion() const { return ws_.exercises().droppedContentQuestion(); }
    emscripten::val textBytes(const emscripten::val& blocks) const { return web::textBytes(blocks, shownPictures_); }
    // The proposed name, from the file the text came from.
    std::string textFileName() const { return tavir::textFileName(ws_.exercises().source()); }
    std::string typedTextFileName(const std::string& typed) const { return tavir::textFileName(typed); }
    void textSaved() { ws_.exercises().saved(false); }
    void closeExercise() {
        ws_.exercises().closeText();
        shownPictures_.clear();
    }
    void exerciseTextEdited() { ws_.exercises().textEdited(); }
    std::string exerciseState() const { return web::exerciseState(ws_); }

    // --- the calculator: a fresh window at each opening, one memory for the whole visit
    void openCalculator() { calculator_ = std::make_unique<CalculatorKeys>(calculatorMemory_); }
    // A key by its control name; true when it calls for the beep.
    bool calculatorPress(const std::string& name) {
        const auto key = keyByName(name);
        return calculator_ && key && calculator_->press(*key);
    }
    // The key a typed character stands for ("" for none); Enter and Backspace have their own keys.
    std::string calculatorKeyFor(const std::string& character) const {
        if (character.empty()) return {};
        std::size_t at = 0;
        const auto key = keyForCharacter(nextUtf8(character, at));
        return key && at == character.size() ? std::string(keyInfo(*key).name) : std::string();
    }
    std::string calculatorState() const {
        if (!calculator_) return "null";
        const CalculatorKeys& c = *calculator_;
        return "{\"line\":" + jsonString(c.line()) + ",\"display\":" + jsonString(c.display()) +
               ",\"typing\":" + boolean(c.display() == c.line()) + ",\"radians\":" + boolean(c.radians()) +
               ",\"scientific\":" + boolean(c.scientific()) + "}";
    }

    Workspace ws_;

private:
    std::vector<Picture> shownPictures_;  // of the text last shown, in its HTML's order
    CalculatorMemory calculatorMemory_;
    std::unique_ptr<CalculatorKeys> calculator_;
};

}  // namespace tavir::web

namespace {

using tavir::web::Session;
namespace tv = tavir;

// The calls that only forward to the workspace.
unsigned revision(Session& s) { return s.ws_.revision(); }
void dropPaletteElement(Session& s, int cell, int element) { s.ws_.dropPaletteElement(cell, element); }
bool pickUp(Session& s, int cell) { return s.ws_.pickUp(cell); }
int liftedElement(Session& s) { return s.ws_.liftedElement(); }
void endDrag(Session& s, int cell, int element) { s.ws_.endDrag(cell, element); }
int cellAt(Session& s, int x, int y) { return s.ws_.cellAt(x, y); }
void chooseBondOrder(Session& s, int order) { s.ws_.chooseBondOrder(order); }
void focusCell(Session& s, int cell) { s.ws_.focusCell(cell); }
void enterBoardByKeyboard(Session& s) { s.ws_.enterBoardByKeyboard(); }
void pointerOver(Session& s, int place) { s.ws_.pointerOver(static_cast<tv::PointerPlace>(place)); }
void dragOver(Session& s, int place) { s.ws_.dragOver(static_cast<tv::PointerPlace>(place)); }
void pointerOverButton(Session& s, const std::string& name) { s.ws_.pointerOverButton(name); }
void pressResultView(Session& s) { s.ws_.pressResultView(); }
void pointerLeft(Session& s) { s.ws_.pointerLeft(); }
void beginHandTurn(Session& s) { s.ws_.beginHandTurn(); }
void handTurn(Session& s, int offset) { s.ws_.handTurn(offset); }
void pictureCopied(Session& s) { s.ws_.pictureCopied(); }
void setInfo(Session& s, const std::string& text) { s.ws_.setInfo(text); }
void setRedBonds(Session& s, bool on) { s.ws_.setRedBonds(on); }
void setBlueBars(Session& s, bool on) { s.ws_.setBlueBars(on); }
void setFormalCharges(Session& s, bool on) { s.ws_.setFormalCharges(on); }
void setPolarity(Session& s, bool on) { s.ws_.setPolarity(on); }
bool setVacancy(Session& s, int cell, bool vacancy) { return s.ws_.setVacancy(cell, vacancy); }
void selectEntry(Session& s, int n) { s.ws_.selectEntry(n); }
void undo(Session& s) { s.ws_.undo(); }
void paste(Session& s) { s.ws_.paste(); }
void copyConstruction(Session& s) { s.ws_.copyConstruction(); }
void clearConstruction(Session& s) { s.ws_.clearConstruction(); }
void clearSeries(Session& s) { s.ws_.clearSeries(); }
void controlAnimation(Session& s, int control) {
    if (control >= 0 && control <= 5) s.ws_.controlAnimation(static_cast<tv::AnimationControl>(control));
}
void setCompact(Session& s, bool on) { s.ws_.setCompact(on); }
void setFigure(Session& s, bool on) { s.ws_.setFigure(on); }
void setSpeed(Session& s, int value) { s.ws_.setSpeed(value); }
void tick(Session& s) { s.ws_.tick(); }
std::string snapshot(Session& s) { return s.ws_.snapshot(); }
bool restore(Session& s, const std::string& text) { return s.ws_.restore(text); }
std::string calculatorBackground() {
    tv::SvgCanvas canvas(tv::kMachineWidth, tv::kMachineHeight, 1, tv::SvgCanvas::Sprites::Referenced, "tavir-machine");
    canvas.setAntialiasing(false);
    tv::drawMachineBackground(canvas);
    return canvas.body();
}
// A text's width in pixels in the program's face at a point size, as the desktop measures it.
int textWidth(const std::string& text, double points) { return tv::font_metrics::width(text, tv::Font{points, false}); }
std::string analyse(const std::string& construction, bool charges) {
    const auto c = tv::Construction::parse(construction);
    if (!c) return "null";
    return tv::analysisJson(tv::analyse(*c, 0, tv::AnalysisOptions{charges}), charges);
}

}  // namespace

EMSCRIPTEN_BINDINGS(tavir) {
    using namespace emscripten;
    class_<Session>("Session")
        .constructor<>()
        .function("state", &Session::state)
        .function("revision", &revision)
        .function("view", &Session::view)
        .function("picture", &Session::picture)
        .function("bondMenu", &Session::bondMenu)
        .function("atomMenu", &Session::atomMenu)
        .function("setVacancy", &setVacancy)
        .function("setPolarity", &setPolarity)
        .function("pressKey", &Session::pressKey)
        .function("isBoardKey", &Session::isBoardKey)
        .function("openLink", &Session::openLink)
        .function("link", &Session::link)
        .function("openSeries", &Session::openSeries)
        .function("seriesQuestion", &Session::seriesQuestion)
        .function("seriesSaved", &Session::seriesSaved)
        .function("bringsSeries", &Session::bringsSeries)
        .function("seriesBytes", &Session::seriesBytes)
        .function("seriesFileName", &Session::seriesFileName)
        .function("seriesSaveFileName", &Session::seriesSaveFileName)
        .function("dropPaletteElement", &dropPaletteElement)
        .function("pickUp", &pickUp)
        .function("liftedElement", &liftedElement)
        .function("endDrag", &endDrag)
        .function("cellAt", &cellAt)
        .function("chooseBondOrder", &chooseBondOrder)
        .function("focusCell", &focusCell)
        .function("enterBoardByKeyboard", &enterBoardByKeyboard)
        .function("pointerOver", &pointerOver)
        .function("dragOver", &dragOver)
        .function("pointerOverButton", &pointerOverButton)
        .function("pressResultView", &pressResultView)
        .function("pointerLeft", &pointerLeft)
        .function("beginHandTurn", &beginHandTurn)
        .function("handTurn", &handTurn)
        .function("pictureCopied", &pictureCopied)
        .function("setInfo", &setInfo)
        .function("setRedBonds", &setRedBonds)
        .function("setBlueBars", &setBlueBars)
        .function("setFormalCharges", &setFormalCharges)
        .function("selectEntry", &selectEntry)
        .function("undo", &undo)
        .function("paste", &paste)
        .function("copyConstruction", &copyConstruction)
        .function("clearConstruction", &clearConstruction)
        .function("clearSeries", &clearSeries)
        .function("controlAnimation", &controlAnimation)
        .function("setCompact", &setCompact)
        .function("setFigure", &setFigure)
        .function("setSpeed", &setSpeed)
        .function("tick", &tick)
        .function("snapshot", &snapshot)
        .function("restore", &restore)
        .function("printPages", &Session::printPages)
        .function("exerciseDiscardQuestion", &Session::exerciseDiscardQuestion)
        .function("openExercise", &Session::openExercise)
        .function("openCorrection", &Session::openCorrection)
        .function("openGuidedTour", &Session::openGuidedTour)
        .function("openText", &Session::openText)
        .function("droppedContentQuestion", &Session::droppedContentQuestion)
        .function("textBytes", &Session::textBytes)
        .function("textFileName", &Session::textFileName)
        .function("typedTextFileName", &Session::typedTextFileName)
        .function("textSaved", &Session::textSaved)
        .function("closeExercise", &Session::closeExercise)
        .function("exerciseTextEdited", &Session::exerciseTextEdited)
        .function("exerciseState", &Session::exerciseState)
        .function("openCalculator", &Session::openCalculator)
        .function("calculatorPress", &Session::calculatorPress)
        .function("calculatorKeyFor", &Session::calculatorKeyFor)
        .function("calculatorState", &Session::calculatorState);
    function("calculatorBackground", &calculatorBackground);
    function("textWidth", &textWidth);
    function("texts", &tavir::web::pageTexts);
    function("elementSymbols", &tavir::elementSymbolsSvg);
    function("installContent", &tavir::web::installContent);
    function("exerciseList", &tavir::web::exerciseList);
    function("textFileRefusal", &tavir::web::textFileRefusal);
    function("analyse", &analyse);
}
