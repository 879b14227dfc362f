#pragma once
// Errors of the catalogue store. Each carries a number and a description in the style of the
// catalogue engine the system was designed for, so windows show "3031: Not a valid password." and
// the like whatever engine stands behind the store.

#include <QString>
#include <functional>
#include <stdexcept>

namespace store {

namespace err {
inline constexpr int kNoCurrentRecord = 3021;
inline constexpr int kUpdateWithoutEdit = 3020;
inline constexpr int kDuplicateKey = 3022;
inline constexpr int kFileNotFound = 3024;
inline constexpr int kReadOnly = 3027;
inline constexpr int kBadPassword = 3031;
inline constexpr int kInUse = 3045;
inline constexpr int kCannotOpen = 3049;
inline constexpr int kTooFewParameters = 3061;
inline constexpr int kSyntax = 3075;
inline constexpr int kNoTable = 3078;
inline constexpr int kRecordDeleted = 3167;
inline constexpr int kItemNotFound = 3265;
inline constexpr int kTypeMismatch = 3464;
inline constexpr int kGeneric = 3000;
}  // namespace err

class DbError : public std::runtime_error {
public:
    DbError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number), description_(description) {}
    int number() const { return number_; }
    const QString& description() const { return description_; }

private:
    int number_;
    QString description_;
};

// Turns an SQLite result code and message into the store's error.
DbError MakeError(int sqliteCode, const QString& sqliteMessage, const QString& databasePath);

// Where errors that a window cannot handle are shown (the system's message box with the number as
// title). The default reporter does nothing; the programs install one at start-up.
using ErrorReporter = std::function<void(int number, const QString& description)>;
void SetErrorReporter(ErrorReporter reporter);
void ReportError(const DbError& error);

}  // namespace store
