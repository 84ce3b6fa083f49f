#pragma once
// The drive, directory and file lists shared by the series dialogs and the exercise chooser:
// `Drive1` (roots and mount points), `Dir1` (the folder and its ancestors and subfolders) and
// `File1` (the files matching a pattern, whatever the case of their names).
#include <QObject>
#include <QString>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QWidget;

namespace tavir::ui {

class FileLists : public QObject {
    Q_OBJECT
public:
    FileLists(QWidget* dialog, const QString& pattern);

    QComboBox* drives() const { return drive1_; }
    QListWidget* directories() const { return dir1_; }
    QListWidget* files() const { return file1_; }

    QString path() const { return path_; }
    // Points the three lists at a folder; false (nothing changed) when it cannot be read.
    bool setPath(const QString& folder);
    QString selectedFile() const;
    void rescan();

signals:
    void pathChanged(const QString& path);
    void fileClicked(const QString& name);
    void fileActivated(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillDrives();
    void fillDirectories();
    void fillFiles();
    void driveChosen(int index);

    QComboBox* drive1_;
    QListWidget* dir1_;
    QListWidget* file1_;
    QString pattern_;
    QString path_;
};

}  // namespace tavir::ui
