#pragma once
// The element editor: a small modal window that types or changes one element row of the card being
// edited. It has no captions of its own: title and field captions come from the kind's section of
// the category label file, and a field whose label is empty or "-" is hidden. It never touches the
// database: the caller takes the edited row (Row) when the user saved (Saved).

#include <QString>
#include <QStringList>
#include <array>

#include "ui/ImageButton.h"
#include "ui/SkinnedWindow.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace card {

class frmElemento : public ui::SkinnedWindow {
    Q_OBJECT
public:
    static constexpr int kNewRow = 1;
    static constexpr int kChangeRow = 2;

    explicit frmElemento(QWidget* parent = nullptr);

    void sbInit();

    // The card's category: sets CatPath to the user's data folder, "cat", the number, and reads the
    // category's id3 setting.
    void setIDCategoria(long id);
    long IDCategoria() const { return idCategoria_; }
    // The category folder directly (what setIDCategoria computes).
    void setCatPath(const QString& catPath);
    QString CatPath() const { return catPath_; }
    bool ReadsId3() const { return id3_; }
    // The element kind 1 to 5: loads and applies its labels; another number loads none.
    void setIDTipo(int kind);
    int IDTipo() const { return idTipo_; }
    void setID(long id) { id_ = id; }
    long ID() const { return id_; }

    // A new row: the fields stay empty.
    void sbAddNew();
    // Changes a row: its 8 texts go into fields 0 to 6 and the file field.
    void sbEdit(const QStringList& row8);
    int Mode() const { return mode_; }

    // Fills fields 0 to 6 from the MP3 file at `path`; the file field is not touched.
    void sbGetMP3Info(const QString& path);
    // Takes the chosen file into the category folder and shows its stored path in the file field
    // (steps after the file dialog; the dialog itself opens on a left click on the file caption).
    void sbTakeFile(const QString& chosen);
    // The check, the confirmation, then the window closes with the row saved. Returns whether it saved.
    bool sbSave();
    void sbCancel();

    // The 8 texts of the row as the fields hold them.
    QStringList Row() const;
    bool Saved() const { return saved_; }

    QWidget* txtElementi(int index) const { return fields_.at(index); }
    QLineEdit* txtFile() const { return txtFile_; }
    QLabel* lblElementi(int index) const { return captions_.at(index); }
    QLabel* lblFile() const { return lblFile_; }
    QWidget* shpElementi(int index) const { return frames_.at(index); }
    QLabel* lblFrmTitle() const { return lblFrmTitle_; }

protected:
    bool previewKey(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLabels();
    QString fieldText(int index) const;
    void setFieldText(int index, const QString& text);
    void chooseFile();

    QLabel* lblFrmTitle_;
    std::array<QLabel*, 7> captions_{};
    std::array<QWidget*, 7> fields_{};
    std::array<QWidget*, 8> frames_{};
    QLabel* lblFile_;
    QLineEdit* txtFile_;
    ui::ImageButton* btnSave_;
    ui::ImageButton* btnCancel_;

    long idCategoria_ = 0;
    int idTipo_ = 0;
    long id_ = 0;
    QString catPath_;
    bool id3_ = false;
    int mode_ = 0;
    QStringList labels_;
    bool saved_ = false;
};

}  // namespace card
