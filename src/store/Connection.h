#pragma once
// A connection to one password-protected database file. Every record source of the process that
// names the same file and password shares one connection, so reads, writes and transactions of
// different windows never lock each other out, and an identifier allocation sees the rows written
// just before it in the same transaction.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

class Connection {
public:
    // Opens (or shares) the connection to an existing file; throws DbError for a missing file, a wrong
    // password or a file that is not a catalogue database.
    static std::shared_ptr<Connection> Open(const QString& path, const QString& password);
    // Creates a new, empty protected file (it must not exist yet) and opens it.
    static std::shared_ptr<Connection> Create(const QString& path, const QString& password);

    // Lets go of every shared connection (before the files are replaced, or at the end of a test);
    // a connection still held by a record set closes when that set goes.
    static void ReleaseAll();

    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return db_; }
    const QString& path() const { return path_; }

    // Runs an action statement written in the system's statement text; throws DbError.
    void Execute(const QString& statement);
    // The number of rows the last action statement changed.
    int RowsAffected() const;

    // Transactions. Nested calls join the outer transaction; only the outermost commit writes.
    void Begin();
    void Commit();
    void Rollback();
    bool InTransaction() const { return depth_ > 0; }

    // Counts writes; record sets re-read their rows when it moved, so they never show stale data.
    quint64 Generation() const { return generation_; }
    void NoteWrite() { ++generation_; }

    // A prepared statement kept by its text for the life of the connection, handed out reset and
    // unbound. For statements run to completion at once (writes, MaxId); throws DbError.
    sqlite3_stmt* Prepared(const QByteArray& sql);

    [[noreturn]] void Throw(int code) const;

private:
    Connection(sqlite3* db, QString path) : db_(db), path_(std::move(path)) {}
    static std::shared_ptr<Connection> OpenFile(const QString& path, const QString& password, bool create);
    void Run(const char* sql);

    sqlite3* db_ = nullptr;
    QHash<QByteArray, sqlite3_stmt*> prepared_;
    QString path_;
    int depth_ = 0;
    bool rollbackOnly_ = false;
    quint64 generation_ = 0;
};

// All-or-nothing: rolls back unless Commit was called.
class Transaction {
public:
    explicit Transaction(std::shared_ptr<Connection> connection);
    ~Transaction();
    void Commit();

private:
    std::shared_ptr<Connection> connection_;
    bool done_ = false;
};

}  // namespace store
