#pragma once
// "Enregistrer l'image…": a French file dialog with the choice of the picture, then the file.
#include <QFileDialog>

#include "core/output/picture_file.hpp"
#include "ui/common/view_painter.hpp"

class QComboBox;

namespace tavir {
class Workspace;
}

namespace tavir::ui {

// A picture the dialog offers: the view and its look, as the copy item of the same name.
struct PictureChoice {
    View view;
    ViewLook look;
};
// In the order of the dialog's list.
const PictureChoice& pictureChoice(int index);

class PictureSaveDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit PictureSaveDialog(QWidget* parent = nullptr);

    QComboBox* pictures() const { return pictures_; }
    int chosenPicture() const;
    output::PictureFormat chosenFormat() const;
    void chooseFormat(output::PictureFormat format);

private:
    // The proposed name follows the picture until the pupil types one; the extension follows
    // the type of file.
    void pictureChanged(int index);
    void formatChanged();

    QComboBox* pictures_ = nullptr;
    QString proposed_;
};

// Runs the dialog and saves the chosen picture of the current construction; asks before
// writing over a file and shows a failure. Returns the file written, empty when none.
QString savePictureFromDialog(QWidget& parent, const Workspace& workspace);

}  // namespace tavir::ui
