// Adds generated cards to a catalogue database: gencatalogue <dbTrovex2.mdb> <cards>.

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>
#include <cstdlib>

#include "CatalogueGenerator.h"
#include "frame/Folders.h"
#include "store/DbError.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gencatalogue <catalogue database> <cards>\n");
        return 2;
    }
    try {
        const auto g = benchsupport::GenerateCatalogue(
            QString::fromLocal8Bit(argv[1]), QString::fromLatin1(frame::kDatabasePassword),
            std::atoi(argv[2]), unsigned(QDateTime::currentSecsSinceEpoch()));
        std::printf("%d cards, %d elements\n", g.cards, g.elements);
    } catch (const store::DbError& e) {
        std::fprintf(stderr, "gencatalogue: %d %s\n", e.number(), qPrintable(e.description()));
        return 1;
    }
    return 0;
}
