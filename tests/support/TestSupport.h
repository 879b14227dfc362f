#pragma once
// Shared test helpers: a temporary copy of a fresh installation, logged in as the default user.

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace testsupport {

// A fresh installation in a temporary folder; the folder table points at it and the per-user paths
// at the user "kupro". The user file and kupro's folder are copies that tests may change; program
// files and the other users' folders are links to the pristine installation and must not be
// changed. Removed when the object goes.
class TempInstallation {
public:
    TempInstallation();
    const QString& path() const { return path_; }
    // A path inside the installation.
    QString file(const QString& relative) const { return path_ + '/' + relative; }

private:
    QTemporaryDir dir_;
    QString path_;
};

// The folder of fixtures of a subsystem's tests, for example fixture("media").
QString fixture(const QString& relative);

bool CopyTree(const QString& from, const QString& to);

}  // namespace testsupport
