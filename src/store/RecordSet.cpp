#include "RecordSet.h"

#include <QDate>
#include <QRegularExpression>

#include "DbError.h"
#include "SqlText.h"

namespace store {
namespace {

FieldType typeOf(const char* declared) {
    if (!declared) return FieldType::Other;
    const QString t = QString::fromLatin1(declared).toUpper();
    if (t.contains("DATE") || t.contains("TIME")) return FieldType::Date;
    if (t.contains("BOOL") || t.contains("YESNO")) return FieldType::Bool;
    if (t.contains("INT")) return FieldType::Integer;
    if (t.contains("REAL") || t.contains("DOUB") || t.contains("FLOA")) return FieldType::Real;
    if (t.contains("CHAR") || t.contains("TEXT") || t.contains("CLOB")) return FieldType::Text;
    return FieldType::Other;
}

QString bracket(const QString& name) {
    return '[' + name + ']';
}

DbError typeMismatch(const QString& field) {
    return DbError(err::kTypeMismatch, QStringLiteral("Data type mismatch in field '%1'.").arg(field));
}

}  // namespace

RecordSet::RecordSet(std::shared_ptr<Connection> connection, const QString& statement)
    : connection_(std::move(connection)), statement_(statement) {
    prepare();
    restart();
}

void RecordSet::start() {
    if (started_) return;
    started_ = true;
    if (stepTo(0)) {
        pos_ = 0;
        bof_ = eof_ = false;
    }
}

RecordSet::~RecordSet() {
    sqlite3_finalize(stmt_);
}

void RecordSet::prepare() {
    // "SELECT * FROM [table]" with nothing but a condition and an order behind it can be updated;
    // the row number is read along as a hidden first column to find the row again.
    static const QRegularExpression simple(
        QStringLiteral(
            "^\\s*SELECT\\s+\\*\\s+FROM\\s+\\[?([A-Za-z_][A-Za-z0-9_]*)\\]?(\\s+(WHERE|ORDER)\\b.*)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QString sql = TranslateStatement(statement_);
    const auto m = simple.match(sql);
    if (m.hasMatch()) {
        table_ = m.captured(1);
        offset_ = 1;
        sql = QStringLiteral("SELECT rowid, * FROM ") + bracket(table_) + m.captured(2);
    }
    const QByteArray utf8 = sql.toUtf8();
    const int rc =
        sqlite3_prepare_v2(connection_->handle(), utf8.constData(), int(utf8.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) connection_->Throw(rc);
    if (!stmt_) throw DbError(err::kSyntax, QStringLiteral("The statement is empty."));
    const int columns = sqlite3_column_count(stmt_);
    for (int i = offset_; i < columns; ++i) {
        names_ << QString::fromUtf8(sqlite3_column_name(stmt_, i));
        types_.push_back(typeOf(sqlite3_column_decltype(stmt_, i)));
    }
}

void RecordSet::restart() {
    sqlite3_reset(stmt_);
    stepped_ = 0;
    atEnd_ = false;
    generation_ = connection_->Generation();
}

bool RecordSet::stepTo(int index) {
    if (index < stepped_ - 1 || (atEnd_ && index < stepped_)) restart();
    while (stepped_ - 1 < index) {
        if (atEnd_) return false;
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) {
            ++stepped_;
        } else if (rc == SQLITE_DONE) {
            atEnd_ = true;
            return false;
        } else {
            sqlite3_reset(stmt_);
            stepped_ = 0;
            connection_->Throw(rc);
        }
    }
    return true;
}

void RecordSet::syncWithConnection() {
    if (generation_ == connection_->Generation()) return;
    restart();
    count_ = -1;
}

void RecordSet::moveFirst() {
    started_ = true;
    if (mode_ != EditMode::None) cancelUpdate();
    syncWithConnection();
    deleted_ = false;
    const bool any = stepTo(0);
    pos_ = any ? 0 : -1;
    bof_ = eof_ = !any;
}

void RecordSet::moveNext() {
    start();
    if (eof_) throw DbError(err::kNoCurrentRecord, QStringLiteral("No current record."));
    if (mode_ != EditMode::None) cancelUpdate();
    syncWithConnection();
    // After a delete the rows have closed up: the successor stands at the deleted row's place.
    const int next = deleted_ ? pos_ : pos_ + 1;
    deleted_ = false;
    if (stepTo(next)) {
        pos_ = next;
        bof_ = false;
    } else {
        pos_ = next;
        eof_ = true;
        if (next == 0) bof_ = true;
    }
}

void RecordSet::movePrevious() {
    start();
    if (bof_) throw DbError(err::kNoCurrentRecord, QStringLiteral("No current record."));
    if (mode_ != EditMode::None) cancelUpdate();
    syncWithConnection();
    deleted_ = false;
    if (pos_ <= 0) {
        pos_ = -1;
        bof_ = true;
        return;
    }
    --pos_;
    eof_ = !stepTo(pos_);
}

void RecordSet::moveLast() {
    started_ = true;
    const int n = recordCount();
    if (n == 0) {
        moveFirst();
        return;
    }
    if (mode_ != EditMode::None) cancelUpdate();
    deleted_ = false;
    pos_ = n - 1;
    bof_ = false;
    eof_ = !stepTo(pos_);
}

void RecordSet::move(int rows) {
    start();
    if (rows == 0) return;
    if (mode_ != EditMode::None) cancelUpdate();
    syncWithConnection();
    const int target = (deleted_ ? pos_ - 1 : pos_) + rows;
    deleted_ = false;
    if (target < 0) {
        pos_ = -1;
        bof_ = true;
        eof_ = false;
        throw DbError(err::kNoCurrentRecord, QStringLiteral("No current record."));
    }
    pos_ = target;
    bof_ = false;
    eof_ = !stepTo(target);
}

int RecordSet::recordCount() {
    syncWithConnection();
    if (count_ >= 0) return count_;
    sqlite3_stmt* counter = nullptr;
    const QByteArray sql = "SELECT COUNT(*) FROM (" + QString::fromUtf8(sqlite3_sql(stmt_)).toUtf8() + ")";
    int rc = sqlite3_prepare_v2(connection_->handle(), sql.constData(), -1, &counter, nullptr);
    if (rc != SQLITE_OK) connection_->Throw(rc);
    rc = sqlite3_step(counter);
    count_ = rc == SQLITE_ROW ? sqlite3_column_int(counter, 0) : 0;
    sqlite3_finalize(counter);
    if (rc != SQLITE_ROW) connection_->Throw(rc);
    return count_;
}

int RecordSet::fieldIndex(const QString& name) const {
    for (int i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int RecordSet::requireField(const QString& name) const {
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbError(err::kItemNotFound,
                      QStringLiteral("Item '%1' not found in this collection.").arg(name));
    return i;
}

void RecordSet::requireCurrent() const {
    if (deleted_) throw DbError(err::kRecordDeleted, QStringLiteral("Record is deleted."));
    if (eof_ || bof_) throw DbError(err::kNoCurrentRecord, QStringLiteral("No current record."));
}

void RecordSet::requireUpdatable() const {
    if (!updatable())
        throw DbError(err::kReadOnly, QStringLiteral("Cannot update. Database or object is read-only."));
}

QVariant RecordSet::columnValue(int i) const {
    const int c = i + offset_;
    switch (sqlite3_column_type(stmt_, c)) {
        case SQLITE_NULL:
            return QVariant();
        case SQLITE_INTEGER: {
            const qint64 v = sqlite3_column_int64(stmt_, c);
            if (types_[i] == FieldType::Bool) return QVariant(v != 0);
            if (v >= INT32_MIN && v <= INT32_MAX) return QVariant(int(v));
            return QVariant(v);
        }
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt_, c));
        case SQLITE_TEXT: {
            const QString s = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, c)),
                                                sqlite3_column_bytes(stmt_, c));
            if (types_[i] == FieldType::Date) return StoredToDate(s);
            return s;
        }
        default:
            return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, c)),
                              sqlite3_column_bytes(stmt_, c));
    }
}

QVariant RecordSet::value(int i) {
    if (i < 0 || i >= fieldCount())
        throw DbError(err::kItemNotFound, QStringLiteral("Item not found in this collection."));
    if (mode_ != EditMode::None) return buffer_[i];
    start();
    requireCurrent();
    syncWithConnection();
    if (!stepTo(pos_)) throw DbError(err::kNoCurrentRecord, QStringLiteral("No current record."));
    return columnValue(i);
}

QVariant RecordSet::value(const QString& name) {
    return value(requireField(name));
}

void RecordSet::setValue(const QString& name, const QVariant& v) {
    const int i = requireField(name);
    if (mode_ == EditMode::None)
        throw DbError(err::kUpdateWithoutEdit,
                      QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    buffer_[i] = v;
    changed_[i] = true;
}

void RecordSet::addNew() {
    requireUpdatable();
    if (mode_ != EditMode::None) cancelUpdate();
    mode_ = EditMode::Add;
    buffer_.assign(names_.size(), QVariant());
    changed_.assign(names_.size(), false);
}

void RecordSet::edit() {
    start();
    requireUpdatable();
    requireCurrent();
    syncWithConnection();
    if (!stepTo(pos_)) throw DbError(err::kNoCurrentRecord, QStringLiteral("No current record."));
    buffer_.clear();
    for (int i = 0; i < fieldCount(); ++i) buffer_.push_back(columnValue(i));
    changed_.assign(names_.size(), false);
    editRow_ = sqlite3_column_int64(stmt_, 0);
    mode_ = EditMode::Edit;
}

void RecordSet::cancelUpdate() {
    mode_ = EditMode::None;
    buffer_.clear();
    changed_.clear();
}

void RecordSet::bindValue(sqlite3_stmt* stmt, int slot, int field, const QVariant& v) const {
    const QString& name = names_[field];
    if (!v.isValid() || v.isNull()) {
        sqlite3_bind_null(stmt, slot);
        return;
    }
    switch (types_[field]) {
        case FieldType::Date: {
            QString stored = DateToStored(v);
            if (stored.isEmpty() && v.typeId() == QMetaType::QString) {
                const QString s = v.toString().trimmed();
                if (s.isEmpty()) {
                    sqlite3_bind_null(stmt, slot);
                    return;
                }
                stored = DateToStored(StoredToDate(s));
                if (stored.isEmpty())
                    stored = DateToStored(QDate::fromString(s, QStringLiteral("MM/dd/yyyy")));
            }
            if (stored.isEmpty()) throw typeMismatch(name);
            const QByteArray b = stored.toUtf8();
            sqlite3_bind_text(stmt, slot, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            return;
        }
        case FieldType::Bool:
            sqlite3_bind_int(stmt, slot, v.toBool() ? -1 : 0);
            return;
        case FieldType::Integer: {
            if (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty()) {
                sqlite3_bind_null(stmt, slot);
                return;
            }
            bool ok = false;
            const qlonglong n = v.toLongLong(&ok);
            if (!ok) throw typeMismatch(name);
            sqlite3_bind_int64(stmt, slot, n);
            return;
        }
        case FieldType::Real: {
            bool ok = false;
            const double d = v.toDouble(&ok);
            if (!ok) throw typeMismatch(name);
            sqlite3_bind_double(stmt, slot, d);
            return;
        }
        default: {
            const QByteArray b = v.toString().toUtf8();
            sqlite3_bind_text(stmt, slot, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        }
    }
}

void RecordSet::update() {
    if (mode_ == EditMode::None)
        throw DbError(err::kUpdateWithoutEdit,
                      QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    std::vector<int> fields;
    for (int i = 0; i < fieldCount(); ++i)
        if (changed_[i]) fields.push_back(i);
    QString sql;
    if (mode_ == EditMode::Add) {
        if (fields.empty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(bracket(table_));
        } else {
            QStringList cols, marks;
            for (int f : fields) {
                cols << bracket(names_[f]);
                marks << QStringLiteral("?");
            }
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(bracket(table_), cols.join(", "), marks.join(", "));
        }
    } else {
        if (fields.empty()) {
            cancelUpdate();
            return;
        }
        QStringList sets;
        for (int f : fields) sets << bracket(names_[f]) + " = ?";
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(bracket(table_), sets.join(", "));
    }
    sqlite3_stmt* write = connection_->Prepared(sql.toUtf8());
    int slot = 1;
    for (int f : fields) bindValue(write, slot++, f, buffer_[f]);
    if (mode_ == EditMode::Edit) sqlite3_bind_int64(write, slot, editRow_);
    const int rc = sqlite3_step(write);
    sqlite3_reset(write);
    connection_->NoteWrite();
    if (rc != SQLITE_DONE) connection_->Throw(rc);
    lastModified_ = mode_ == EditMode::Add ? sqlite3_last_insert_rowid(connection_->handle()) : editRow_;
    cancelUpdate();
}

void RecordSet::deleteRecord() {
    start();
    requireUpdatable();
    requireCurrent();
    if (mode_ != EditMode::None) cancelUpdate();
    syncWithConnection();
    if (!stepTo(pos_)) throw DbError(err::kNoCurrentRecord, QStringLiteral("No current record."));
    const qint64 row = sqlite3_column_int64(stmt_, 0);
    sqlite3_stmt* del = nullptr;
    const QByteArray sql = QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(bracket(table_)).toUtf8();
    int rc = sqlite3_prepare_v2(connection_->handle(), sql.constData(), -1, &del, nullptr);
    if (rc != SQLITE_OK) connection_->Throw(rc);
    sqlite3_bind_int64(del, 1, row);
    rc = sqlite3_step(del);
    sqlite3_finalize(del);
    connection_->NoteWrite();
    if (rc != SQLITE_DONE) connection_->Throw(rc);
    deleted_ = true;
}

void RecordSet::requery() {
    started_ = true;
    cancelUpdate();
    restart();
    count_ = -1;
    deleted_ = false;
    const bool any = stepTo(0);
    pos_ = any ? 0 : -1;
    bof_ = eof_ = !any;
}

}  // namespace store
