// What the file lists and the file dialogs offer in a folder a pupil may open: folders and
// ordinary files, never a FIFO, a device or a kernel's file, and no file read to show it.
#include <QAbstractProxyModel>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

#include "ui/common/file_dialogs.hpp"
#include "ui/common/file_lists.hpp"

using namespace tavir::ui;

class FileListsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString in(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // The names the dialog's view shows in the folder, once it has listed it.
    static QStringList shownBy(QFileDialog& dialog, const QString& folder) {
        const QAbstractProxyModel* proxy = dialog.proxyModel();
        const auto* files = qobject_cast<const QFileSystemModel*>(proxy->sourceModel());
        const QModelIndex root = proxy->mapFromSource(files->index(folder));
        QStringList names;
        for (int row = 0; row < proxy->rowCount(root); ++row) names << proxy->index(row, 0, root).data().toString();
        names.sort();
        return names;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QFile regular(in("serie.C01"));
        QVERIFY(regular.open(QIODevice::WriteOnly));
        regular.write("TAVIR");
        regular.close();
        QVERIFY(QFile::link(in("serie.C01"), in("lien.C01")));
        QCOMPARE(::mkfifo(QFile::encodeName(in("fifo.C01")).constData(), 0644), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), in("null.C01")));
        // A regular file to stat whose reads wait for the kernel's next message (for root; others
        // may not open it). No extension: only its bytes could tell its type.
        QVERIFY(QFile::link(QStringLiteral("/proc/kmsg"), in("kmsg")));
        QVERIFY(QFile::link(QStringLiteral("/proc/kmsg"), in("kmsg.C01")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dossier.C01")));
    }

    void fileListShowsOnlyOrdinaryFiles() {
        QWidget dialog;
        FileLists lists(&dialog, QStringLiteral("*.C01"));
        QVERIFY(lists.setPath(dir.path()));
        QStringList shown;
        for (int i = 0; i < lists.files()->count(); ++i) shown << lists.files()->item(i)->text();
        QCOMPARE(shown, (QStringList{QStringLiteral("lien.C01"), QStringLiteral("serie.C01")}));
    }

    void fileDialogShowsOnlyFoldersAndOrdinaryFiles() {
        ::alarm(30);  // a window blocked in a read ends the test
        QFileDialog dialog(nullptr, QStringLiteral("Retrouver un texte"), dir.path());
        showOnlyOrdinaryFiles(dialog);
        dialog.show();
        const QStringList expected{QStringLiteral("dossier.C01"), QStringLiteral("lien.C01"), QStringLiteral("serie.C01")};
        QTRY_COMPARE_WITH_TIMEOUT(shownBy(dialog, dir.path()), expected, 5000);
        // Typed in the name field, as a pupil does, the folder is listed again with its files'
        // types, still without reading any of them.
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        QTest::keyClicks(name, dir.path() + QStringLiteral("/k"));
        QTest::qWait(300);
        QCOMPARE(shownBy(dialog, dir.path()), expected);
        ::alarm(0);
    }
};

QTEST_MAIN(FileListsTest)
#include "file_lists_test.moc"
