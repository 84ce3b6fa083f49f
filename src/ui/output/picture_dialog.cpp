#include "ui/output/picture_dialog.hpp"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <array>

#include "ui/common/file_dialogs.hpp"
#include "ui/common/modal_hooks.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/common/user_folders.hpp"
#include "ui/output/texts.hpp"
#include "ui/output/view_pictures.hpp"

namespace tavir::ui {

namespace {
namespace ot = output_texts;
using output::PictureFormat;

struct ChoiceText {
    std::string_view caption;
    std::string_view fileName;
};
constexpr std::array<ChoiceText, 4> kChoiceTexts{{{ot::kPictureBoard, ot::kPictureBoardName},
                                                  {ot::kPictureDotStructure, ot::kPictureDotStructureName},
                                                  {ot::kPictureAnimation, ot::kPictureAnimationName},
                                                  {ot::kPictureAnimationBare, ot::kPictureAnimationName}}};
constexpr std::array kFormats{PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf};

QStringList filters() { return {utf8(ot::kPngFilter), utf8(ot::kSvgFilter), utf8(ot::kPdfFilter)}; }

QString withExtension(const QString& base, PictureFormat format) {
    return base + QLatin1Char('.') + utf8(output::pictureExtension(format));
}

// What the pupil chose last, kept for the rest of the run.
struct LastChoice {
    int picture = 0;
    PictureFormat format = PictureFormat::Png;
    QString folder;
};
LastChoice& last() {
    static LastChoice choice;
    return choice;
}
}  // namespace

const PictureChoice& pictureChoice(int index) {
    // The 3D pictures are made as the copies are: on white with the bands, or see-through.
    static const std::array<PictureChoice, 4> choices{{{View::Board, screenLook(View::Board)},
                                                       {View::DotStructure, screenLook(View::DotStructure)},
                                                       {View::Animation, whiteLook(true)},
                                                       {View::Animation, bareLook()}}};
    return choices.at(static_cast<std::size_t>(std::clamp(index, 0, 3)));
}

PictureSaveDialog::PictureSaveDialog(QWidget* parent)
    : QFileDialog(parent, utf8(ot::kSavePictureTitle),
                  last().folder.isEmpty() ? documentsFolder() : last().folder) {
    setObjectName(QStringLiteral("saveimage"));
    // Qt's own dialog, in French with the program, and room for the choice of the picture.
    showOnlyOrdinaryFiles(*this);
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(filters());

    pictures_ = new QComboBox(this);
    pictures_->setObjectName(QStringLiteral("pictureChoice"));
    for (const ChoiceText& c : kChoiceTexts) pictures_->addItem(utf8(c.caption));
    auto* label = new QLabel(utf8(ot::kPictureChoiceLabel), this);
    label->setBuddy(pictures_);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(pictures_, row, 1);
    }

    pictures_->setCurrentIndex(last().picture);
    chooseFormat(last().format);
    proposed_ = utf8(kChoiceTexts[static_cast<std::size_t>(last().picture)].fileName);
    selectFile(withExtension(proposed_, last().format));
    connect(pictures_, &QComboBox::currentIndexChanged, this, &PictureSaveDialog::pictureChanged);
    connect(this, &QFileDialog::filterSelected, this, [this](const QString&) { formatChanged(); });
}

int PictureSaveDialog::chosenPicture() const { return pictures_->currentIndex(); }

PictureFormat PictureSaveDialog::chosenFormat() const {
    const auto index = filters().indexOf(selectedNameFilter());
    return index < 0 ? PictureFormat::Png : kFormats[static_cast<std::size_t>(index)];
}

void PictureSaveDialog::chooseFormat(PictureFormat format) {
    const auto index = static_cast<int>(std::find(kFormats.begin(), kFormats.end(), format) - kFormats.begin());
    selectNameFilter(filters().value(index));
    setDefaultSuffix(utf8(output::pictureExtension(format)));
}

void PictureSaveDialog::pictureChanged(int index) {
    const QString typed = selectedFiles().value(0);
    const QString next = utf8(kChoiceTexts[static_cast<std::size_t>(std::clamp(index, 0, 3))].fileName);
    if (QFileInfo(typed).completeBaseName() == proposed_) selectFile(withExtension(next, chosenFormat()));
    proposed_ = next;
}

void PictureSaveDialog::formatChanged() {
    const PictureFormat format = chosenFormat();
    setDefaultSuffix(utf8(output::pictureExtension(format)));
    const QFileInfo typed(selectedFiles().value(0));
    const QString suffix = typed.suffix().toLower();
    for (PictureFormat f : kFormats)
        if (suffix == utf8(output::pictureExtension(f))) {
            selectFile(withExtension(typed.completeBaseName(), format));
            return;
        }
}

QString savePictureFromDialog(QWidget& parent, const Workspace& workspace) {
    PictureSaveDialog dialog(&parent);
    if (runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const int picture = dialog.chosenPicture();
    const output::PictureFile file = output::pictureFile(dialog.selectedFiles().first().toStdString(), dialog.chosenFormat());
    const QString path = QString::fromStdString(file.path);
    last() = {picture, file.format, QFileInfo(path).absolutePath()};
    if (ordinaryFile(path) &&
        showMessage(&parent, QMessageBox::Question, utf8(ot::kOverwriteTitle),
                    utf8(ot::kOverwriteBefore) + path + utf8(ot::kOverwriteAfter),
                    QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return {};
    const PictureChoice& choice = pictureChoice(picture);
    const FileDone saved = saveViewPicture(workspace, choice.view, choice.look, file);
    if (!saved) {
        showFailure(&parent, saved.failure());
        return {};
    }
    return path;
}

}  // namespace tavir::ui
