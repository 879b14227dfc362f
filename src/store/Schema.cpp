#include "Schema.h"

#include "Connection.h"

namespace store {
namespace {

QStringList numbered(const QString& prefix, int count) {
    QStringList out;
    for (int i = 1; i <= count; ++i) out << prefix + QString::number(i);
    return out;
}

QString columnType(const QString& name) {
    if (name == "ID") return QStringLiteral("INTEGER PRIMARY KEY");
    if (name.startsWith("ID") || name.startsWith('n')) return QStringLiteral("INTEGER DEFAULT 0");
    if (name.startsWith("dt")) return QStringLiteral("DATETIME");
    if (name.startsWith('b')) return QStringLiteral("BOOLEAN NOT NULL DEFAULT 0");
    // Text compares as the catalogue engine does: without regard to case.
    return QStringLiteral("TEXT COLLATE TEXTORDER");
}

QString createTable(const QString& table, const QStringList& columns) {
    QStringList defs;
    for (const QString& c : columns) defs << '[' + c + "] " + columnType(c);
    return QStringLiteral("CREATE TABLE [%1] (%2)").arg(table, defs.join(", "));
}

}  // namespace

const QStringList& CardColumns() {
    static const QStringList columns = [] {
        QStringList c{"ID", "IDCategoria", "sMain1", "sMain2"};
        c << numbered("sDescrizione", 7) << numbered("sPrincipali", 11) << numbered("sAggiunte", 1)
          << numbered("sGiudizi", 9) << numbered("sTecnici", 16) << numbered("sAltro", 7);
        c << "bAltro8"
          << "sAltro9"
          << "dtAltro10"
          << "bAltro11"
          << "sAltro12"
          << "dtAltro13";
        c << "dtCaricamento"
          << "dtUltimo"
          << "nAccessi";
        return c;
    }();
    return columns;
}

const QStringList& ElementColumns() {
    static const QStringList columns = QStringList{"ID", "IDScheda", "IDTipo"} << numbered("sElementi", 7)
                                                                               << QStringList{"sFile"};
    return columns;
}

void CreateCatalogueDatabase(const QString& path, const QString& password) {
    auto c = Connection::Create(path, password);
    Transaction t(c);
    c->Execute(createTable("tblSchede", CardColumns()));
    c->Execute(createTable("tblElementi", ElementColumns()));
    // The browser's orders within a category, and a card's elements by kind.
    c->Execute("CREATE INDEX [ixSchedeNome] ON [tblSchede] ([IDCategoria], [sMain1])");
    c->Execute("CREATE INDEX [ixSchedeUltimo] ON [tblSchede] ([IDCategoria], [dtUltimo])");
    c->Execute("CREATE INDEX [ixSchedeAccessi] ON [tblSchede] ([IDCategoria], [nAccessi])");
    c->Execute("CREATE INDEX [ixSchedeCaricamento] ON [tblSchede] ([IDCategoria], [dtCaricamento])");
    c->Execute("CREATE INDEX [ixElementiScheda] ON [tblElementi] ([IDScheda], [IDTipo])");
    t.Commit();
}

void CreatePrintDatabase(const QString& path, const QString& password) {
    auto c = Connection::Create(path, password);
    Transaction t(c);
    c->Execute(createTable("Schede", CardColumns()));
    c->Execute(createTable("Elementi", ElementColumns()));
    t.Commit();
}

}  // namespace store
