#include "Connection.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QHash>
#include <string_view>

#include "DbError.h"
#include "LikePattern.h"
#include "SqlText.h"
#include "TextFold.h"

namespace store {
namespace {

// Opening a protected file derives its key, which takes a noticeable fraction of a second; the
// connections therefore stay open for the life of the process (or until ReleaseAll).
QHash<QString, std::shared_ptr<Connection>>& registry() {
    static QHash<QString, std::shared_ptr<Connection>> map;
    return map;
}

void destroyPattern(void* p) {
    delete static_cast<LikePattern*>(p);
}

// like(pattern, text) with the catalogue's wildcards; the compiled pattern is kept for the statement.
void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (argc < 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL ||
        sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    auto* pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));
    if (!pattern) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        pattern = new LikePattern(std::string_view(p, sqlite3_value_bytes(argv[0])));
        sqlite3_set_auxdata(ctx, 0, pattern, destroyPattern);
        pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));
        if (!pattern) {  // SQLite may drop auxdata at once; match with a local copy then
            const LikePattern local(std::string_view(p, sqlite3_value_bytes(argv[0])));
            const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
            sqlite3_result_int(ctx, local.matches(std::string_view(t, sqlite3_value_bytes(argv[1]))));
            return;
        }
    }
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    sqlite3_result_int(ctx, pattern->matches(std::string_view(t, sqlite3_value_bytes(argv[1]))));
}

int collateText(void*, int aSize, const void* a, int bSize, const void* b) {
    return CompareText(a, aSize, b, bSize);
}

QString quoted(const QString& s) {
    QString q = s;
    q.replace('\'', QLatin1String("''"));
    return '\'' + q + '\'';
}

}  // namespace

std::shared_ptr<Connection> Connection::Open(const QString& path, const QString& password) {
    const QString key = QFileInfo(path).absoluteFilePath() + QChar(0) + password;
    if (auto existing = registry().value(key)) return existing;
    if (!QFileInfo(path).isFile())
        throw DbError(err::kFileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    auto c = OpenFile(path, password, false);
    registry().insert(key, c);
    return c;
}

std::shared_ptr<Connection> Connection::Create(const QString& path, const QString& password) {
    if (QFileInfo::exists(path))
        throw DbError(err::kGeneric, QStringLiteral("The database '%1' already exists.").arg(path));
    return OpenFile(path, password, true);
}

std::shared_ptr<Connection> Connection::OpenFile(const QString& path, const QString& password, bool create) {
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    std::shared_ptr<Connection> c(new Connection(db, path));
    if (rc != SQLITE_OK) c->Throw(rc);
    c->Run(("PRAGMA key = " + quoted(password)).toUtf8().constData());
    sqlite3_busy_timeout(db, 3000);
    c->Run("PRAGMA cache_size = -32768");  // 32 MiB of decrypted pages
    // The key is only checked when the first page is read.
    c->Run("SELECT count(*) FROM sqlite_master");
    sqlite3_create_function(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr,
                            nullptr);
    sqlite3_create_collation(db, "TEXTORDER", SQLITE_UTF8, nullptr, collateText);
    return c;
}

void Connection::ReleaseAll() {
    registry().clear();
}

Connection::~Connection() {
    for (sqlite3_stmt* stmt : std::as_const(prepared_)) sqlite3_finalize(stmt);
    if (depth_ > 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
}

void Connection::Throw(int code) const {
    throw MakeError(code, db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString(), path_);
}

sqlite3_stmt* Connection::Prepared(const QByteArray& sql) {
    if (sqlite3_stmt* stmt = prepared_.value(sql)) {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        return stmt;
    }
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) Throw(rc);
    prepared_.insert(sql, stmt);
    return stmt;
}

void Connection::Run(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    const char* tail = sql;
    while (tail && *tail) {
        int rc = sqlite3_prepare_v2(db_, tail, -1, &stmt, &tail);
        if (rc != SQLITE_OK) Throw(rc);
        if (!stmt) break;  // only white space left
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE) Throw(rc);
    }
}

void Connection::Execute(const QString& statement) {
    NoteWrite();
    Run(TranslateStatement(statement).toUtf8().constData());
}

int Connection::RowsAffected() const {
    return sqlite3_changes(db_);
}

void Connection::Begin() {
    if (depth_++ == 0) {
        rollbackOnly_ = false;
        try {
            Run("BEGIN IMMEDIATE");
        } catch (...) {
            depth_ = 0;
            throw;
        }
    }
}

void Connection::Commit() {
    if (depth_ == 0) return;
    if (--depth_ > 0) return;
    if (rollbackOnly_) {
        Run("ROLLBACK");
        NoteWrite();
        throw DbError(err::kGeneric, QStringLiteral("The changes were undone because part of them failed."));
    }
    try {
        Run("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        NoteWrite();
        throw;
    }
}

void Connection::Rollback() {
    if (depth_ == 0) return;
    if (--depth_ > 0) {
        rollbackOnly_ = true;  // an inner failure spoils the whole transaction
        return;
    }
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    NoteWrite();
}

Transaction::Transaction(std::shared_ptr<Connection> connection) : connection_(std::move(connection)) {
    connection_->Begin();
}

Transaction::~Transaction() {
    if (!done_) connection_->Rollback();
}

void Transaction::Commit() {
    done_ = true;
    connection_->Commit();
}

}  // namespace store
