#include "RecordSource.h"

#include <sqlite3.h>

#include "DbError.h"
#include "frame/Folders.h"

namespace store {
namespace {

QString passwordOf(const QString& connect) {
    const qsizetype at = connect.indexOf(QLatin1String("PWD="), 0, Qt::CaseInsensitive);
    if (at < 0) return QString();
    QString pwd = connect.mid(at + 4);
    const qsizetype end = pwd.indexOf(';');
    return end < 0 ? pwd : pwd.left(end);
}

QString catalogueDatabase() {
    return frame::folders().catalogueDatabase;
}

QString databasePassword() {
    const QString& pwd = frame::folders().databasePassword;
    return pwd.isEmpty() ? QString::fromLatin1(frame::kDatabasePassword) : pwd;
}

}  // namespace

void RecordSource::refresh() {
    recordset_.reset();
    connection_ = Connection::Open(databaseName_, passwordOf(connect_));
    recordset_ = std::make_unique<RecordSet>(connection_, statement_);
}

void RecordSource::close() {
    recordset_.reset();
    connection_.reset();
}

void RecordSource::execute(const QString& statement) {
    if (!connection_) connection_ = Connection::Open(databaseName_, passwordOf(connect_));
    connection_->Execute(statement);
}

bool OpenRecordSource(RecordSource& source, const QString& statement, const QString& database) {
    try {
        source.close();
        source.setConnect(QStringLiteral(";PWD=") + databasePassword());
        source.setDatabaseName(database.isEmpty() ? catalogueDatabase() : database);
        source.setRecordSource(statement);
        source.refresh();
        return true;
    } catch (const DbError& e) {
        source.close();
        ReportError(e);
        return false;
    }
}

int MaxId(const QString& table, const QString& column) {
    auto connection = Connection::Open(catalogueDatabase(), databasePassword());
    sqlite3_stmt* stmt = connection->Prepared(
        (QStringLiteral("SELECT MAX([") + column + QStringLiteral("]) AS [IDMax] FROM [") + table + ']')
            .toUtf8());
    const int rc = sqlite3_step(stmt);
    // The null maximum of an empty table, and any error once the statement runs, give 0.
    const int id = (rc == SQLITE_ROW && sqlite3_column_type(stmt, 0) == SQLITE_INTEGER)
                       ? sqlite3_column_int(stmt, 0)
                       : 0;
    sqlite3_reset(stmt);
    return id;
}

}  // namespace store
