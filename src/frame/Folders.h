#pragma once
// The application folder table and the per-user paths: written at start-up and at login, read by
// every window. Folder entries are absolute native paths ending with "/".

#include <QString>

namespace frame {

// The fixed catalogue password of both database files of every user.
inline constexpr const char* kDatabasePassword = "KRV4172";
inline constexpr const char* kDefaultSkin = "predeterminado/";

struct Folders {
    QString installation;  // folder of the running program, no trailing separator
    QString config;        // installation/cfg/
    QString languageFile;  // config + "lang.ini"
    QString users;         // installation/usr/
    QString templates;     // installation/tpl/
    QString images;        // installation/img/
    QString credits;       // images + "cred/"
    QString skins;         // images + "skins/"
    QString icons;         // images + "ico/"
    QString currentSkin;   // skins + the current skin's folder name + "/"

    // Per-user entries, empty until a login succeeds.
    QString userData;  // users + dir + "/"
    QString catalogueDatabase;
    QString databasePassword;
    QString printDatabase;
    QString reports;
    QString userConfig;
    bool loginSucceeded = false;

    QString userFile() const { return config + "usr.ini"; }
};

Folders& folders();

// Fills the folder table from an installation folder (by default the running program's folder) and
// makes the default skin current; the per-user entries are cleared.
void sbInitFolders();
void sbInitFolders(const QString& installationFolder);

// Fills the per-user entries for the user whose data folder is named dirName below the users folder.
void SetUserFolders(const QString& dirName);

// The category folder of category n of the logged-in user: user's data folder + "cat/" + n + "/". It
// holds the category label file, "thumb.jpg", the technical icons and the files taken in for cards.
QString CategoryFolder(int category);
// The category label file of a category folder: its "lang.ini".
QString CategoryLabelFile(const QString& categoryFolder);

// Makes the skin folder named by a `skins` value (with a trailing "\" or "/") current.
void SetCurrentSkin(const QString& skinValue);

}  // namespace frame
