#pragma once
// The rules of the login, without a window: the account records of the user file, the proposal the
// login window opens with, and the check of a user name and password.

#include <QString>

namespace users {

inline constexpr int kAccounts = 5;
// The default account of a fresh installation: this one word as user name and as password.
inline constexpr const char* kDefaultAccount = "kupro";

struct Account {
    QString usr;
    QString pwd;  // in clear
    QString dir;
};

// A password of the user file in clear: the stored form decoded, then unscrambled.
QString ReadPassword(const QString& section, const QString& userFile);

// Account n (1 to 5) of the user file; missing keys read as empty.
Account ReadAccount(int n, const QString& userFile);

// What the login window opens with: the stored automatic login, else the default account while the
// users have never been saved, else nothing.
struct Proposal {
    QString username;
    QString password;
};
Proposal ProposeLogin(const QString& userFile);

// The result of checking the two boxes. On success `dir` names the user's data folder; on failure
// `report` holds the lines of the validation report.
struct LoginResult {
    bool ok = false;
    QString dir;
    QString report;
};

// Checks the typed user name and password against the accounts 1 to 5, in that order; names and
// passwords must match exactly. The captions are those the window shows beside the two boxes.
LoginResult CheckLogin(const QString& username, const QString& password, const QString& usernameCaption,
                       const QString& passwordCaption, const QString& userFile);

// Fills the per-user paths for the user's data folder, makes the user's skin current and marks the
// login as succeeded.
void ApplyLogin(const QString& dir);

}  // namespace users
