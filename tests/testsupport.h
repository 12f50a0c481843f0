#pragma once

// Shared by the GUI tests: the application object as the program makes it,
// fresh data-file locations per test, file helpers.
#include "app/application.h"
#include "app/index.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>

inline std::string ReadBytes(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    return std::string(b.constData(), size_t(b.size()));
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    QFile f(QString::fromStdString(path));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), qint64(bytes.size()));
}

// The catalogue lives beside the program file: here, beside the test binary.
inline std::string CataloguePath() {
    return (QCoreApplication::applicationDirPath() + "/RizorurUVE.dat").toStdString();
}

// A fresh temporary-files directory (TMPDIR) and no catalogue file.
struct FreshDataFiles {
    QTemporaryDir tmp;
    FreshDataFiles() {
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        QFile::remove(QString::fromStdString(CataloguePath()));
        QDir(QString::fromStdString(CataloguePath())).removeRecursively();
    }
    std::string promotionPath() const { return (tmp.path() + "/TvAds.ini").toStdString(); }
};

template <typename Suite>
int RunGuiSuite(int argc, char** argv) {
    TApplication app(argc, argv);
    Suite suite;
    return QTest::qExec(&suite, argc, argv);
}
