#pragma once
// A test's main on an offscreen screen of a chosen size (and scale), larger than the
// platform's default 800 x 600.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace tavir::ui::testing {

template <typename Test>
int runOnScreen(int argc, char** argv, int width, int height, const char* scale = nullptr) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(QStringLiteral(R"({"screens":[{"name":"s","x":0,"y":0,"width":%1,"height":%2,"logicalDpi":96}]})")
                   .arg(width)
                   .arg(height)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toLocal8Bit());
    if (scale) qputenv("QT_SCALE_FACTOR", scale);
    QApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace tavir::ui::testing
