#include "ui/exercises/exercise_area.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextEdit>

#include "core/board/texts.hpp"
#include "core/session/workspace.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/program_directory.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/exercises/exercise_chooser.hpp"
#include "core/exercises/exercise_file.hpp"
#include "ui/exercises/rich_text_document.hpp"
#include "core/exercises/texts.hpp"
#include "ui/help/introduction.hpp"
#include "core/richtext/dropped_content.hpp"
#include "core/richtext/rtf_file.hpp"
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
                           std::function<bool(const QString&)> loadSeries)
    : QObject(&window), workspace_(workspace), supertext_(supertext), fich_(fich), window_(window),
      loadSeries_(std::move(loadSeries)) {
    optionexo_ = new QMenu(&window);
    optionexo_->setObjectName(QStringLiteral("optionexo"));
    const std::pair<const char*, std::string_view> items[] = {
        {"PRISENMAIN", ex::kMenuGuidedTour}, {nullptr, {}},
        {"openexo", ex::kMenuOpenExercise},  {"opencor", ex::kMenuCorrection},
        {nullptr, {}},                       {"savetexte", ex::kMenuSaveText},
        {"opentexte", ex::kMenuOpenText},    {"imprimetexte", ex::kMenuPrintText},
        {nullptr, {}},                       {"Closexo", ex::kMenuClose}};
    for (const auto& [name, caption] : items) {
        if (!name) {
            optionexo_->addSeparator();
            continue;
        }
        QAction* a = optionexo_->addAction(utf8(caption));
        a->setObjectName(QString::fromLatin1(name));
    }
    const std::pair<const char*, void (ExerciseArea::*)()> handlers[] = {
        {"PRISENMAIN", &ExerciseArea::PRISENMAIN_Click}, {"openexo", &ExerciseArea::openexo_Click},
        {"opencor", &ExerciseArea::opencor_Click},       {"savetexte", &ExerciseArea::savetexte_Click},
        {"opentexte", &ExerciseArea::opentexte_Click},   {"imprimetexte", &ExerciseArea::imprimetexte_Click},
        {"Closexo", &ExerciseArea::Closexo_Click}};
    for (const auto& [name, handler] : handlers) {
        QAction* a = optionexo_->findChild<QAction*>(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, h = handler] { (this->*h)(); });
    }
    // Opening the menu from its title enables the correction by the same rule.
    connect(optionexo_, &QMenu::aboutToShow, this, [this] {
        optionexo_->findChild<QAction*>(QStringLiteral("opencor"))->setEnabled(correctionAvailable_);
    });
    connect(&supertext_, &QTextEdit::textChanged, this, [this] {
        if (!fich_.text().isEmpty()) workspace_.setTextModified(true);
    });
}

void ExerciseArea::openMenu(QWidget& btexo) {
    optionexo_->findChild<QAction*>(QStringLiteral("opencor"))->setEnabled(correctionAvailable_);
    optionexo_->findChild<QAction*>(QStringLiteral("Closexo"))->setEnabled(!fich_.text().isEmpty());
    // The chosen item runs through its own triggered signal.
    popupMenu(*optionexo_, btexo.mapToGlobal(QPoint(0, btexo.height())));
}

bool ExerciseArea::discardCheck() {
    if (workspace_.textModified() &&
        showMessage(&window_, QMessageBox::Question, utf8(board_texts::kDiscardTitle), utf8(board_texts::kDiscardText),
                    QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return false;
    workspace_.setTextModified(false);
    return true;
}

bool ExerciseArea::loadText(const QString& path, bool missingIsAbsent) {
    const auto read = loadRtfFile(path.toStdString());
    if (!read || read->source == RtfSource::NotText) {
        if (missingIsAbsent) {
            showMessage(&window_, QMessageBox::Critical, utf8(ex::kMissingFileTitle),
                        utf8(missingFileText(path.toStdString())));
        } else {
            showMessage(&window_, QMessageBox::Critical, utf8(ex::kMenuOpenText),
                        read ? utf8(richtext_texts::kNotText) : utf8(richtext_texts::kCannotOpen) + path);
        }
        return false;
    }
    return showText(std::move(*read), path);
}

bool ExerciseArea::showText(RtfReadResult read, const QString& path) {
    if (textBytes(read.document) > kMaxShownTextBytes) {
        showMessage(&window_, QMessageBox::Critical, utf8(richtext_texts::kTooLongTitle), utf8(richtext_texts::kTooLong));
        return false;
    }
    breakLongWords(read.document);
    {
        const QSignalBlocker quiet(&supertext_);
        showDocument(supertext_, read.document);
        supertext_.moveCursor(QTextCursor::Start);
    }
    shownFrom_ = path;
    dropped_ = std::move(read.dropped);
    return true;
}

bool ExerciseArea::confirmDroppedContent() {
    if (dropped_.empty()) return true;
    return showMessage(&window_, QMessageBox::Question, utf8(richtext_texts::kDroppedTitle),
                       utf8(droppedContentQuestion(dropped_)), QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void ExerciseArea::loaded(const QString& fichText, bool correction) {
    fich_.setText(fichText);
    correctionAvailable_ = correction;
    supertext_.setReadOnly(false);
    workspace_.setTextModified(false);
}

void ExerciseArea::PRISENMAIN_Click() {
    const QString folder = programDirectory();
    if (folder.isEmpty()) return;
    exerciseDirectory_ = withSeparator(folder);
    const QString tour = exerciseDirectory_ + utf8(ex::kGuidedTourFile);
    if (!QFileInfo::exists(tour)) return;
    if (!discardCheck()) return;
    const auto file = loadExerciseFile(tour.toStdString());
    const auto statement = file ? exercisePath(exerciseDirectory_.toStdString(), file->statement()) : std::nullopt;
    auto read = statement ? loadRtfFile(*statement) : std::nullopt;
    if (!read || read->source == RtfSource::NotText) {
        showMessage(&window_, QMessageBox::Critical, utf8(ex::kTourFailureTitle), utf8(ex::kTourFailure));
        return;
    }
    if (!showText(std::move(*read), QString::fromStdString(statement->string()))) return;
    loaded(tour, false);
    if (const auto series = exercisePath(exerciseDirectory_.toStdString(), file->statementSeries()))
        loadSeries_(QString::fromStdString(series->string()));
}

void ExerciseArea::openexo_Click() {
    if (!discardCheck()) return;
    ExerciseChooser fichexo(*this, &window_);
    runDialog(fichexo);
}

bool ExerciseArea::openExercise(const QString& exerciseFile) {
    const auto file = loadExerciseFile(exerciseFile.toStdString());
    if (!file) {
        showMessage(&window_, QMessageBox::Critical, utf8(ex::kReadFailureTitle), utf8(exerciseReadFailureText()));
        return false;
    }
    exerciseDirectory_ = withSeparator(QFileInfo(exerciseFile).absolutePath());
    QDir::setCurrent(exerciseDirectory_);
    const auto statement = exercisePath(exerciseDirectory_.toStdString(), file->statement());
    const QString statementPath =
        statement ? QString::fromStdString(statement->string()) : exerciseDirectory_ + utf8(file->statement());
    if (!loadText(statementPath, true)) return false;
    loaded(exerciseFile, file->corrected());
    if (const auto series = exercisePath(exerciseDirectory_.toStdString(), file->statementSeries()))
        loadSeries_(QString::fromStdString(series->string()));
    return true;
}

void ExerciseArea::opencor_Click() {
    if (!discardCheck()) return;
    const auto file = loadExerciseFile(fich_.text().toStdString());
    if (!file) {
        showMessage(&window_, QMessageBox::Critical, utf8(ex::kReadFailureTitle), utf8(exerciseReadFailureText()));
        return;
    }
    if (const auto correction = exercisePath(exerciseDirectory_.toStdString(), file->correction())) {
        if (!loadText(QString::fromStdString(correction->string()), true)) return;
    }
    if (const auto series = exercisePath(exerciseDirectory_.toStdString(), file->correctionSeries()))
        loadSeries_(QString::fromStdString(series->string()));
    supertext_.setReadOnly(false);
    workspace_.setTextModified(false);
}

void ExerciseArea::savetexte_Click() {
    QFileDialog dialog(&window_, utf8(ex::kMenuSaveText), QString(), rtfFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(utf8(ex::kRtfDefaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    if (QFileInfo::exists(path) &&
        showMessage(&window_, QMessageBox::Question, utf8(ex::kOverwriteTitle),
                    utf8(ex::kOverwriteBefore) + path + utf8(ex::kOverwriteAfter) + QLatin1Char('\n') +
                        utf8(ex::kOverwriteQuestion),
                    QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    if (!confirmDroppedContent()) return;
    if (!saveRtfFile(path.toStdString(), documentModel(*supertext_.document()))) {
        // Nothing is lost: the old file, if any, is whole and the text is still on screen.
        showMessage(&window_, QMessageBox::Critical, utf8(ex::kMenuSaveText), utf8(richtext_texts::kCannotSave) + path);
        return;
    }
    // Written over the file it came from: what the area could not show is gone from disk too.
    if (QFileInfo(path) == QFileInfo(shownFrom_)) dropped_.clear();
    workspace_.setTextModified(false);
}

void ExerciseArea::opentexte_Click() {
    if (!discardCheck()) return;
    QFileDialog dialog(&window_, utf8(ex::kMenuOpenText), QString(), rtfFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(utf8(ex::kRtfOpenName));
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    correctionAvailable_ = false;
    if (!loadText(path, false)) return;
    loaded(utf8(ex::kFreeTextPrefix) + path, false);
}

void ExerciseArea::imprimetexte_Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &window_);
    if (supertext_.textCursor().hasSelection()) dialog.setOption(QAbstractPrintDialog::PrintSelection);
    if (runDialog(dialog) != QDialog::Accepted) return;
    // QTextEdit prints the selection alone when the dialog asked for it.
    supertext_.print(&printer);
}

void ExerciseArea::Closexo_Click() {
    if (!discardCheck()) return;
    fich_.clear();
    intro(supertext_);
    shownFrom_.clear();
    dropped_.clear();
    correctionAvailable_ = false;
}

}  // namespace tavir::ui
