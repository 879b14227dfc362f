#include "DbError.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QRegularExpression>

namespace store {
namespace {
ErrorReporter& reporter() {
    static ErrorReporter r;
    return r;
}
}  // namespace

DbError MakeError(int sqliteCode, const QString& message, const QString& databasePath) {
    const QString file = QFileInfo(databasePath).fileName();
    switch (sqliteCode & 0xFF) {
        case SQLITE_NOTADB:
            return DbError(err::kBadPassword, QStringLiteral("Not a valid password."));
        case SQLITE_CANTOPEN:
            return DbError(
                err::kCannotOpen,
                QStringLiteral("Cannot open the database '%1'; the file or its folder cannot be read.")
                    .arg(databasePath));
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return DbError(err::kInUse,
                           QStringLiteral("The database '%1' is in use by another program.").arg(file));
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return DbError(err::kReadOnly,
                           QStringLiteral("Cannot update. The database '%1' is read-only.").arg(file));
        case SQLITE_CONSTRAINT:
            return DbError(err::kDuplicateKey,
                           QStringLiteral("The change was not saved: it would create a duplicate key (%1).")
                               .arg(message));
        case SQLITE_CORRUPT:
            return DbError(
                err::kCannotOpen,
                QStringLiteral("The database '%1' is damaged; repair it with the maintenance tool.")
                    .arg(file));
        case SQLITE_FULL:
        case SQLITE_IOERR:
            return DbError(err::kCannotOpen,
                           QStringLiteral("The database '%1' could not be written (%2).").arg(file, message));
        case SQLITE_ERROR: {
            static const QRegularExpression noTable(QStringLiteral("no such table: (\\S+)"));
            static const QRegularExpression noColumn(QStringLiteral("no such column: (\\S+)"));
            if (auto m = noTable.match(message); m.hasMatch())
                return DbError(err::kNoTable,
                               QStringLiteral("The table or query '%1' does not exist.").arg(m.captured(1)));
            if (auto m = noColumn.match(message); m.hasMatch())
                return DbError(err::kTooFewParameters,
                               QStringLiteral("Unknown field name '%1'.").arg(m.captured(1)));
            return DbError(err::kSyntax, QStringLiteral("Syntax error in the statement (%1).").arg(message));
        }
        default:
            return DbError(err::kGeneric, message);
    }
}

void SetErrorReporter(ErrorReporter r) {
    reporter() = std::move(r);
}

void ReportError(const DbError& error) {
    if (reporter()) reporter()(error.number(), error.description());
}

}  // namespace store
