#include "TestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "frame/Folders.h"

namespace testsupport {

bool CopyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + '/' + QDir(from).relativeFilePath(src);
        if (QFileInfo(src).isDir()) {
            if (!QDir().mkpath(dst)) return false;
        } else {
            QDir().mkpath(QFileInfo(dst).path());
            if (!QFile::copy(src, dst)) return false;
            QFile(dst).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    return true;
}

TempInstallation::TempInstallation() {
    path_ = dir_.path() + "/trovex2";
    // What tests may change (the user file, the default user's folder) is copied; the rest of the
    // fresh installation is linked, which keeps a test's set-up quick.
    const QString fresh = QString::fromUtf8(TROVEX2_FRESH_DIR);
    QDir().mkpath(path_ + "/usr");
    bool ok =
        CopyTree(fresh + "/cfg", path_ + "/cfg") && CopyTree(fresh + "/usr/kupro", path_ + "/usr/kupro");
    for (const QString& entry : QDir(fresh).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (entry != "cfg" && entry != "usr")
            ok = ok && QFile::link(fresh + '/' + entry, path_ + '/' + entry);
    for (const QString& user : QDir(fresh + "/usr").entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (user != "kupro") ok = ok && QFile::link(fresh + "/usr/" + user, path_ + "/usr/" + user);
    if (!ok) ADD_FAILURE() << "cannot lay out the fresh installation";
    frame::sbInitFolders(path_);
    frame::SetUserFolders("kupro");
}

QString fixture(const QString& relative) {
    return QString::fromUtf8(TROVEX2_FIXTURES_DIR) + '/' + relative;
}

}  // namespace testsupport

// Every test program runs with a QApplication (offscreen in CI), so widget tests and plain tests
// share one main.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder; CI machines often have none.
        const QByteArray runtime =
            QDir::tempPath().toUtf8() + "/trovex2-runtime-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromUtf8(runtime));
        QFile::setPermissions(QString::fromUtf8(runtime),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
