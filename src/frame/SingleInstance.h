#pragma once
// One running instance per program and installation. The lock is an advisory file lock that the
// operating system drops when the process ends, so a crash never leaves a lock behind.

#include <QString>

namespace frame {

// True when this process now holds the program's lock; false when another process holds it.
// The lock is kept until the process ends.
bool AcquireInstanceLock(const QString& programName, const QString& installationFolder);

}  // namespace frame
