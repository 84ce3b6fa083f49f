#include "ui/exercises/exercise_area.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextEdit>

#include "ui/board/texts.hpp"
#include "core/session/workspace.hpp"
#include "ui/common/file_dialogs.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/program_directory.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/common/user_folders.hpp"
#include "ui/exercises/exercise_chooser.hpp"
#include "core/exercises/exercise_documents.hpp"
#include "core/exercises/exercise_file.hpp"
#include "ui/exercises/rich_text_document.hpp"
#include "ui/exercises/texts.hpp"
#include "ui/help/introduction.hpp"
#include "ui/output/print_file.hpp"
#include "ui/output/texts.hpp"
#include "core/richtext/dropped_content.hpp"
#include "core/richtext/rtf_file.hpp"
#include "core/richtext/shown_limits.hpp"
#include "core/richtext/texts.hpp"

namespace tavir::ui {

namespace {
namespace ex = exercise_texts;

QString withSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

// "Texte au format RTF|*.RTF" in the file dialogs' own words.
QString rtfFilter() {
    const QString filter = utf8(ex::kRtfFilter);
    const int bar = filter.indexOf(QLatin1Char('|'));
    return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QLatin1Char(')');
}
}  // namespace

ExerciseArea::ExerciseArea(Workspace& workspace, QTextEdit& supertext, QLineEdit& fich, QWidget& window,
                           std::function<void(const NamedSeries&)> showSeries,
                           std::function<bool()> confirmSeriesReplaced)
    : QObject(&window), workspace_(workspace), supertext_(supertext), fich_(fich), window_(window),
      showSeries_(std::move(showSeries)), confirmSeriesReplaced_(std::move(confirmSeriesReplaced)) {
    optionexo_ = new QMenu(&window);
    optionexo_->setObjectName(QStringLiteral("optionexo"));
    optionexo_->setAccessibleName(utf8(ex::kA11yExerciseMenu));
    struct Item {
        const char* name;
        std::string_view caption;
        void (ExerciseArea::*handler)();
    };
    const Item items[] = {{"PRISENMAIN", ex::kMenuGuidedTour, &ExerciseArea::PRISENMAIN_Click},
                          {nullptr, {}, nullptr},
                          {"openexo", ex::kMenuOpenExercise, &ExerciseArea::openexo_Click},
                          {"opencor", ex::kMenuCorrection, &ExerciseArea::opencor_Click},
                          {nullptr, {}, nullptr},
                          {"savetexte", ex::kMenuSaveText, &ExerciseArea::savetexte_Click},
                          {"opentexte", ex::kMenuOpenText, &ExerciseArea::opentexte_Click},
                          {"imprimetexte", ex::kMenuPrintText, &ExerciseArea::imprimetexte_Click},
                          {nullptr, {}, nullptr},
                          {"Closexo", ex::kMenuClose, &ExerciseArea::Closexo_Click}};
    for (const Item& item : items) {
        if (!item.name) {
            optionexo_->addSeparator();
            continue;
        }
        QAction* a = optionexo_->addAction(utf8(item.caption));
        a->setObjectName(QString::fromLatin1(item.name));
        connect(a, &QAction::triggered, this, [this, h = item.handler] { (this->*h)(); });
        if (item.handler == &ExerciseArea::opencor_Click) opencor_ = a;
        if (item.handler == &ExerciseArea::Closexo_Click) closexo_ = a;
    }
    // Opening the menu from its title enables the correction by the same rule.
    connect(optionexo_, &QMenu::aboutToShow, this, [this] { opencor_->setEnabled(session().correctionAvailable()); });
    connect(&supertext_, &QTextEdit::textChanged, this, [this] { session().textEdited(); });
    // Tab moves on to the next control, as everywhere else in the window; Ctrl+Tab types a tab.
    supertext_.setTabChangesFocus(true);
    supertext_.installEventFilter(this);
}

bool ExerciseArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &supertext_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
            if (!supertext_.isReadOnly()) supertext_.textCursor().insertText(QStringLiteral("\t"));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ExerciseArea::openMenu(QWidget& btexo) {
    opencor_->setEnabled(session().correctionAvailable());
    closexo_->setEnabled(session().canClose());
    // The chosen item runs through its own triggered signal.
    popupMenu(*optionexo_, btexo.mapToGlobal(QPoint(0, btexo.height())));
}

ExerciseSession& ExerciseArea::session() { return workspace_.exercises(); }
const ExerciseSession& ExerciseArea::session() const { return workspace_.exercises(); }

bool ExerciseArea::correctionAvailable() const { return session().correctionAvailable(); }

QString ExerciseArea::exerciseDirectory() const { return QString::fromStdString(session().directory()); }

bool ExerciseArea::discardCheck() {
    if (const auto question = session().discardQuestion()) {
        if (showMessage(&window_, QMessageBox::Question, utf8(question->title), utf8(question->text),
                        QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
            return false;
    }
    // The flag stays until another text is shown: a chooser or a question cancelled after OK
    // leaves the pupil's text there, still to be asked about.
    return true;
}

bool ExerciseArea::fill(RtfReadResult& text) {
    if (auto refusal = shownTextRefusal(text.excess)) {
        showFailure(&window_, *refusal);
        return false;
    }
    breakLongWords(text.document);
    const QSignalBlocker quiet(&supertext_);
    showDocument(supertext_, text.document);
    supertext_.moveCursor(QTextCursor::Start);
    return true;
}

bool ExerciseArea::confirmDroppedContent() {
    const std::string question = session().droppedContentQuestion();
    if (question.empty()) return true;
    return showMessage(&window_, QMessageBox::Question, utf8(richtext_texts::kDroppedTitle), utf8(question),
                       QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::optional<std::optional<NamedSeries>> ExerciseArea::readNamedSeries(const std::string& directory,
                                                                        std::string_view record) {
    auto series = loadNamedSeries(directory, record);
    if (!series) {
        showFailure(&window_, series.failure());
        return std::nullopt;
    }
    return std::move(*series);
}

void ExerciseArea::followSession() {
    fich_.setText(QString::fromStdString(session().exerciseFile()));
    supertext_.setReadOnly(!session().editable());
}

void ExerciseArea::PRISENMAIN_Click() {
    const QString folder = programDirectory();
    if (folder.isEmpty()) return;
    const QString directory = withSeparator(folder);
    const QString tour = directory + utf8(ex::kGuidedTourFile);
    if (!QFileInfo::exists(tour)) return;
    if (!discardCheck()) return;
    auto guided = loadGuidedTour(tour.toStdString(), directory.toStdString());
    if (!guided) {
        showFailure(&window_, guided.failure());
        return;
    }
    if (guided->series && !confirmSeriesReplaced_()) return;
    if (!fill(guided->statement)) return;
    session().showGuidedTour(tour.toStdString(), directory.toStdString(), std::move(guided->statement.dropped));
    followSession();
    if (guided->series) showSeries_(*guided->series);
}

void ExerciseArea::openexo_Click() {
    if (!discardCheck()) return;
    ExerciseChooser fichexo(*this, &window_);
    runDialog(fichexo);
}

bool ExerciseArea::openExercise(const QString& exerciseFile) {
    const auto file = loadExerciseFile(exerciseFile.toStdString());
    if (!file) {
        showFailure(&window_, file.failure());
        return false;
    }
    const std::string directory = withSeparator(QFileInfo(exerciseFile).absolutePath()).toStdString();
    // Both files are read before anything is shown: a missing series leaves the area and the
    // board as they were, as a missing statement does.
    auto statement = loadNamedText(directory, file->statement());
    std::optional<std::optional<NamedSeries>> series;
    if (statement) series = readNamedSeries(directory, file->statementSeries());
    else showFailure(&window_, statement.failure());
    if (!series || (*series && !confirmSeriesReplaced_()) || !fill(*statement)) return false;
    QDir::setCurrent(QString::fromStdString(directory));
    session().showExercise(exerciseFile.toStdString(), directory, file->corrected(), directory + file->statement(),
                           std::move(statement->dropped));
    followSession();
    if (*series) showSeries_(**series);
    return true;
}

void ExerciseArea::opencor_Click() {
    if (!discardCheck()) return;
    const auto file = loadExerciseFile(session().correctedExercise());
    if (!file) {
        showFailure(&window_, file.failure());
        return;
    }
    std::optional<RtfReadResult> correction;
    if (!isBlankRecord(file->correction())) {
        auto text = loadNamedText(session().directory(), file->correction());
        if (!text) {
            showFailure(&window_, text.failure());
            return;
        }
        correction = std::move(*text);
    }
    const auto series = readNamedSeries(session().directory(), file->correctionSeries());
    if (!series || (*series && !confirmSeriesReplaced_())) return;
    if (correction && !fill(*correction)) return;
    if (correction) session().showCorrection(session().directory() + file->correction(), std::move(correction->dropped));
    else session().showCorrection({}, {});
    followSession();
    if (*series) showSeries_(**series);
}

void ExerciseArea::savetexte_Click() {
    QFileDialog dialog(&window_, utf8(ex::kMenuSaveText), documentsFolder(), rtfFilter());
    showOnlyOrdinaryFiles(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(utf8(ex::kRtfDefaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    // What is not an ordinary file is not offered to be written over: the save refuses it.
    if (ordinaryFile(path) &&
        showMessage(&window_, QMessageBox::Question, utf8(ex::kOverwriteTitle),
                    utf8(ex::kOverwriteBefore) + path + utf8(ex::kOverwriteAfter) + QLatin1Char('\n') +
                        utf8(ex::kOverwriteQuestion),
                    QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    if (!confirmDroppedContent()) return;
    const FileDone saved = saveRtfFile(path.toStdString(), documentModel(*supertext_.document()));
    if (!saved) {
        // Nothing is lost: the old file, if any, is whole and the text is still on screen.
        showFailure(&window_, saved.failure());
        return;
    }
    // Written over the file it came from: what the area could not show is gone from disk too.
    session().saved(QFileInfo(path) == QFileInfo(QString::fromStdString(session().source())));
}

void ExerciseArea::opentexte_Click() {
    if (!discardCheck()) return;
    QFileDialog dialog(&window_, utf8(ex::kMenuOpenText), documentsFolder(), rtfFilter());
    showOnlyOrdinaryFiles(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(utf8(ex::kRtfOpenName));
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    openText(dialog.selectedFiles().first());
}

bool ExerciseArea::openText(const QString& path) {
    auto text = loadRtfFile(path.toStdString());
    if (!text) {
        // A refused file changes nothing, the correction still offered included.
        showFailure(&window_, text.failure());
        return false;
    }
    if (!fill(*text)) return false;
    session().showPupilText(path.toStdString(), std::move(text->dropped));
    followSession();
    return true;
}

void ExerciseArea::imprimetexte_Click() {
    QPrinter printer(QPrinter::HighResolution);
    // As for the pictures: the default printer, or a PDF in the documents under a name no
    // earlier print holds.
    startPrinter(printer, output_texts::kTextPdfFileName);
    if (printer.outputFormat() == QPrinter::PdfFormat) printer.setOutputFileName(freePrintFile(printer.outputFileName()));
    QPrintDialog dialog(&printer, &window_);
    if (supertext_.textCursor().hasSelection()) dialog.setOption(QAbstractPrintDialog::PrintSelection);
    if (runDialog(dialog) != QDialog::Accepted) return;
    // QTextEdit prints the selection alone when the dialog asked for it.
    supertext_.print(&printer);
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (!file.isEmpty() && QFileInfo(file).isFile())
        showMessage(&window_, QMessageBox::Information, utf8(output_texts::kCaption),
                    utf8(output_texts::kPdfDone) + QDir::toNativeSeparators(file));
}

void ExerciseArea::Closexo_Click() {
    if (!discardCheck()) return;
    session().closeText();
    followSession();
    intro(supertext_);
}

}  // namespace tavir::ui
