// artgen <installation folder>: draws every picture of a fresh installation - the skins, the
// program's icons and credits pictures, and the pictures of each user's category folders.
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "CategoryArt.h"
#include "CreditsArt.h"
#include "PictureWriter.h"
#include "SkinStyle.h"
#include "SkinWriter.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: artgen <installation folder>\n";
        return 2;
    }
    artgen::PictureWriter out(args[1]);

    for (const artgen::SkinStyle& style : artgen::allSkins()) artgen::writeSkin(out, style);
    out.ico("img/ico/icoApp.ico", artgen::appIcon());
    out.ico("img/ico/icoLink.ico", artgen::linkCursor());
    out.jpg("img/cred/jpgAbout.jpg", artgen::aboutPicture());
    out.jpg("img/cred/jpgSpScreen.jpg", artgen::splashPicture());

    // The default user always; any other user folder already laid out gets the same pictures.
    QStringList users = QDir(args[1] + "/usr").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (!users.contains("kupro")) users.prepend("kupro");
    for (const QString& user : users) artgen::writeCategoryFolders(out, "usr/" + user);

    for (const QString& path : out.failed()) err << "artgen: cannot write " << path << '\n';
    return out.ok() ? 0 : 1;
}
