#pragma once
// A bound record source (a window's dcMain or dcSupport): a database file, its password and one
// record set opened from a statement. Windows rebind it to another statement whenever they need
// other rows; the previous record set is closed by the rebinding.

#include <QString>
#include <memory>

#include "Connection.h"
#include "RecordSet.h"

namespace store {

class RecordSource {
public:
    RecordSource() = default;
    explicit RecordSource(QString name) : name_(std::move(name)) {}

    const QString& name() const { return name_; }
    const QString& databaseName() const { return databaseName_; }
    const QString& connect() const { return connect_; }
    const QString& recordSource() const { return statement_; }

    void setDatabaseName(const QString& path) { databaseName_ = path; }
    void setConnect(const QString& connect) { connect_ = connect; }
    void setRecordSource(const QString& statement) { statement_ = statement; }

    // Opens (again) the record set of the current statement; throws DbError.
    void refresh();
    // Closes the record set and lets go of the connection.
    void close();

    // The open record set, or null when the last binding failed or none was made.
    RecordSet* recordset() const { return recordset_.get(); }
    const std::shared_ptr<Connection>& connection() const { return connection_; }

    // Runs an action statement through this source's connection; throws DbError.
    void execute(const QString& statement);

private:
    QString name_;
    QString databaseName_;
    QString connect_;
    QString statement_;
    std::shared_ptr<Connection> connection_;
    std::unique_ptr<RecordSet> recordset_;
};

// Binds the source to a statement on a database file (the user's catalogue database when empty).
// On any error the error is reported (the system's message box with the number as title) and the
// result is false; the source is then left without a record set.
bool OpenRecordSource(RecordSource& source, const QString& statement, const QString& database = QString());

// The largest value of a column, 0 for an empty table. An error while opening the catalogue database
// or running the statement is passed to the caller as DbError.
int MaxId(const QString& table, const QString& column);

}  // namespace store
