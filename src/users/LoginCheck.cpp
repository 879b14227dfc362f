#include "LoginCheck.h"

#include "frame/Folders.h"
#include "frame/Ini.h"
#include "frame/Language.h"
#include "frame/Scramble.h"

namespace users {

QString ReadPassword(const QString& section, const QString& userFile) {
    return frame::Scramble(frame::DecodeStoredPassword(frame::GetINI(section, "pwd", QString(), userFile)));
}

Account ReadAccount(int n, const QString& userFile) {
    const QString section = QString::number(n);
    return {frame::GetINI(section, "usr", QString(), userFile), ReadPassword(section, userFile),
            frame::GetINI(section, "dir", QString(), userFile)};
}

Proposal ProposeLogin(const QString& userFile) {
    const int logged = frame::GetINIInt("CFG", "logged", 0, userFile);
    const QString usr = frame::GetINI("CFG", "usr", QString(), userFile);
    if (!usr.isEmpty()) return {usr, ReadPassword("CFG", userFile)};
    if (logged == 0) return {QString::fromLatin1(kDefaultAccount), QString::fromLatin1(kDefaultAccount)};
    return {};
}

LoginResult CheckLogin(const QString& username, const QString& password, const QString& usernameCaption,
                       const QString& passwordCaption, const QString& userFile) {
    LoginResult result;
    frame::ValidationReport report;
    if (username.isEmpty()) report.Omitted(usernameCaption);
    if (password.isEmpty()) report.Omitted(passwordCaption);
    if (!report.IsEmpty()) {
        result.report = report.Text();
        return result;
    }
    for (int n = 1; n <= kAccounts; ++n) {
        const Account account = ReadAccount(n, userFile);
        if (account.usr == username && account.pwd == password) {
            result.ok = true;
            result.dir = account.dir;
            return result;
        }
    }
    report.NotFound(usernameCaption);
    report.NotFound(passwordCaption);
    result.report = report.Text();
    return result;
}

void ApplyLogin(const QString& dir) {
    frame::SetUserFolders(dir);
    frame::Folders& f = frame::folders();
    frame::SetCurrentSkin(
        frame::GetINI("PATH", "skins", QString::fromLatin1("predeterminado\\"), f.userConfig));
    f.loginSucceeded = true;
}

}  // namespace users
