#pragma once
// The platform's file dialogs, the folder choice, the first CD-ROM drive and the shell's open
// action. None reports an error: each returns an empty or neutral result and the caller decides
// what to tell the user.

#include <QString>
#include <stdexcept>

class QWidget;

namespace frame {

// Raised by ShowOpen/ShowSave when the user cancels and CancelError is set.
class DialogCancelled : public std::runtime_error {
public:
    static constexpr int kNumber = 32755;
    explicit DialogCancelled(const QString& source) : std::runtime_error("Cancel."), source_(source) {}
    const QString& source() const { return source_; }

private:
    QString source_;
};

// Option bits of the open and save dialogs, with the platform's values.
inline constexpr int kDlgPathMustExist = 0x800;
inline constexpr int kDlgFileMustExist = 0x1000;

// The open and save dialogs. Filter holds pairs of description and pattern separated by "|",
// for example "Pictures|*.jpg;*.gif|All files|*.*"; FilterIndex counts the pairs from 1 (0 means
// the first).
class clsCommonDialog {
public:
    QWidget* Parent = nullptr;
    QString DialogTitle;
    QString Filter;
    int FilterIndex = 0;
    int Flags = 0;
    QString InitDir;
    QString FileName;
    QString FileTitle;
    QString DefaultExt;
    int MaxFileSize = 256;
    bool CancelError = false;
    int ExtendedError() const { return extendedError_; }

    bool ShowOpen();
    bool ShowSave();

private:
    bool show(bool save);
    int extendedError_ = 0;
};

// The platform's filter string ("Pictures (*.jpg *.gif);;All files (*.*)") of a "|"-separated
// list of descriptions and patterns; a trailing description without a pattern is dropped.
QString DialogFilter(const QString& filter);

// Chosen file's full path, or empty when cancelled. The open dialog starts where the last chosen
// file was (the installation folder the first time); the save dialog always starts in the
// installation folder.
QString OpenFileDialog(QWidget* window, const QString& filter);
QString SaveFileDialog(QWidget* window, const QString& filter);

// The chosen folder with one trailing "/", or empty when cancelled.
QString BrowseFolder(QWidget* owner, const QString& title);
// "/x" -> "/x/", "/" stays "/", "" stays "".
QString WithTrailingSlash(const QString& folder);

// The first CD-ROM device ("/dev/sr0"), or empty when the machine has none.
QString GetCDDrive();
// The drive names listed on the "drive name:" line of the kernel's CD-ROM information text, in the
// order the kernel lists them, as device paths.
QString FirstCDDriveFromInfo(const QString& infoText);

// Opens a document or address with the desktop's handler, or starts a program; an empty target does
// nothing.
void sbShellOpen(QWidget* window, const QString& target);

}  // namespace frame
