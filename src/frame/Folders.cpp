#include "Folders.h"

#include <QCoreApplication>
#include <QDir>

#include "Paths.h"

namespace frame {

Folders& folders() {
    static Folders table;
    return table;
}

void sbInitFolders() {
    sbInitFolders(QCoreApplication::applicationDirPath());
}

void sbInitFolders(const QString& installationFolder) {
    Folders& f = folders();
    f = Folders{};
    QString install = QDir::cleanPath(QDir(installationFolder).absolutePath());
    f.installation = install;
    f.config = install + "/cfg/";
    f.languageFile = f.config + "lang.ini";
    f.users = install + "/usr/";
    f.templates = install + "/tpl/";
    f.images = install + "/img/";
    f.credits = f.images + "cred/";
    f.skins = f.images + "skins/";
    f.icons = f.images + "ico/";
    f.currentSkin = f.skins + kDefaultSkin;
}

void SetUserFolders(const QString& dirName) {
    Folders& f = folders();
    f.userData = ResolvePath(f.users + dirName) + "/";
    f.catalogueDatabase = ResolvePath(f.userData + "db/dbTrovex2.mdb");
    f.databasePassword = QString::fromLatin1(kDatabasePassword);
    f.printDatabase = ResolvePath(f.userData + "db/dbPrint.mdb");
    f.reports = ResolvePath(f.userData + "rpt") + "/";
    f.userConfig = ResolvePath(f.userData + "cfg/trovex2.ini");
}

QString CategoryFolder(int category) {
    QString folder = folders().userData;
    if (!folder.isEmpty() && !folder.endsWith('/')) folder += '/';
    return folder + "cat/" + QString::number(category) + "/";
}

QString CategoryLabelFile(const QString& categoryFolder) {
    return JoinPath(categoryFolder, "lang.ini");
}

void SetCurrentSkin(const QString& skinValue) {
    QString name = skinValue;
    name.replace('\\', '/');
    while (name.endsWith('/')) name.chop(1);
    if (name.isEmpty()) name = QString::fromLatin1(kDefaultSkin).chopped(1);
    Folders& f = folders();
    f.currentSkin = ResolvePath(f.skins + name) + "/";
}

}  // namespace frame
