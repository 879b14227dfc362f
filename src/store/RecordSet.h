#pragma once
// A record set opened from a statement: a cursor over its rows with the current row's fields by name,
// and, for "SELECT * FROM [table] ..." statements, adding, editing and deleting rows.
//
// Rows are read from the engine as the cursor moves, never all at once, so walking a long list
// costs only what is walked; a set that is opened but never read costs only its preparation. When anything is written through the same connection the set reads
// its rows again at the next access, keeping its position, so it never shows stale values.

#include <sqlite3.h>

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

#include "Connection.h"

namespace store {

enum class FieldType { Text, Date, Bool, Integer, Real, Other };

class RecordSet {
public:
    // Throws DbError when the statement cannot be run.
    RecordSet(std::shared_ptr<Connection> connection, const QString& statement);
    ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    // Navigation. Moving past either end throws "No current record" (3021).
    bool eof() {
        start();
        return eof_;
    }
    bool bof() {
        start();
        return bof_;
    }
    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    // Moves forward by rows without reading the rows passed over.
    void move(int rows);
    int absolutePosition() {
        start();
        return (eof_ || bof_) ? -1 : pos_;
    }
    // The number of rows the statement returns.
    int recordCount();

    // Fields of the current row (or of the row being added or edited).
    int fieldCount() const { return static_cast<int>(names_.size()); }
    QString fieldName(int i) const { return names_.at(i); }
    const QStringList& fieldNames() const { return names_; }
    int fieldIndex(const QString& name) const;  // -1 when there is no such field
    FieldType fieldType(int i) const { return types_.at(i); }
    QVariant value(int i);
    QVariant value(const QString& name);
    // Text form of a field for display: "" for a null.
    QString text(const QString& name) { return value(name).toString(); }
    void setValue(const QString& name, const QVariant& value);

    // Editing. Update writes the pending row; CancelUpdate drops it.
    bool updatable() const { return !table_.isEmpty(); }
    enum class EditMode { None, Edit, Add };
    EditMode editMode() const { return mode_; }
    void addNew();
    void edit();
    void update();
    void cancelUpdate();
    void deleteRecord();
    // The row added or changed last, by its row number in the table.
    qint64 lastModified() const { return lastModified_; }

    // Runs the statement again from its first row.
    void requery();
    const std::shared_ptr<Connection>& connection() const { return connection_; }

private:
    void prepare();
    void start();  // runs the statement up to its first row, at the first use
    void restart();
    bool stepTo(int index);  // positions the statement on row index; false past the end
    void syncWithConnection();
    void requireCurrent() const;
    void requireUpdatable() const;
    int requireField(const QString& name) const;
    QVariant columnValue(int i) const;
    void bindValue(sqlite3_stmt* stmt, int slot, int field, const QVariant& value) const;

    std::shared_ptr<Connection> connection_;
    QString statement_;
    QString table_;  // empty when the set cannot be updated
    sqlite3_stmt* stmt_ = nullptr;
    int offset_ = 0;  // leading hidden row-number column of an updatable set
    QStringList names_;
    std::vector<FieldType> types_;

    int pos_ = -1;        // current row
    int stepped_ = 0;     // rows the statement has returned since it was started
    bool atEnd_ = false;  // the statement has returned its last row
    bool bof_ = true;
    bool eof_ = true;
    bool deleted_ = false;  // the current row was deleted; the next move lands on its successor
    quint64 generation_ = 0;
    int count_ = -1;
    bool started_ = false;

    EditMode mode_ = EditMode::None;
    std::vector<QVariant> buffer_;
    std::vector<bool> changed_;
    qint64 editRow_ = 0;
    qint64 lastModified_ = 0;
};

}  // namespace store
