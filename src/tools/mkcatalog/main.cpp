// Creates a user's two empty database files in a folder: mkcatalog <db folder>.
// Existing files are kept as they are.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "frame/Folders.h"
#include "store/DbError.h"
#include "store/Schema.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkcatalog <database folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const QString password = QString::fromLatin1(frame::kDatabasePassword);
    try {
        const QString catalogue = folder + "/dbTrovex2.mdb";
        const QString print = folder + "/dbPrint.mdb";
        if (!QFileInfo::exists(catalogue)) store::CreateCatalogueDatabase(catalogue, password);
        if (!QFileInfo::exists(print)) store::CreatePrintDatabase(print, password);
    } catch (const store::DbError& e) {
        std::fprintf(stderr, "mkcatalog: %d %s\n", e.number(), qPrintable(e.description()));
        return 1;
    }
    return 0;
}
