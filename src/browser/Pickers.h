#pragma once
// The two list pickers: the value picker frmMsgList (the distinct values already stored in a column)
// and the field picker frmMsgFields (the fields of a category under its labels). Both are opened
// through MsgList and MsgFields, which return the picked text or the empty text.

#include <QString>
#include <memory>

#include "store/RecordSource.h"
#include "ui/ImageButton.h"
#include "ui/MsgDialogs.h"
#include "ui/SkinnedWindow.h"

class QTreeWidget;
class QTreeWidgetItem;
class QLabel;

namespace browser {

class frmMsgPicker : public ui::SkinnedWindow {
    Q_OBJECT
public:
    void setResponse(std::shared_ptr<ui::cMsgRetValue> response) { response_ = std::move(response); }
    const std::shared_ptr<ui::cMsgRetValue>& response() const { return response_; }

    QTreeWidget* lvwLst() const { return lvwLst_; }
    QLabel* lblFrmTitle() const { return lblFrmTitle_; }
    ui::ImageButton* btnOK() const { return btnOK_; }
    ui::ImageButton* btnCancel() const { return btnCancel_; }
    ui::ImageButton* btnUp() const { return btnUp_; }
    ui::ImageButton* btnDown() const { return btnDown_; }

    // OK: writes the chosen row's text into the result and closes; nothing while OK is disabled.
    void onOK();
    void onCancel();
    // Moves the selection one row, as the arrow key in the list does.
    void moveSelection(int key);
    void sbRefreshButtons();

protected:
    frmMsgPicker(const QString& name, QWidget* parent);
    void sbInitBase();
    bool previewKey(QKeyEvent* event) override;
    // Whether the selected row may be taken, and the text it gives.
    virtual bool pickable(const QTreeWidgetItem* row) const = 0;
    virtual QString pickedText(const QTreeWidgetItem* row) const = 0;

    QTreeWidget* lvwLst_;

private:
    QLabel* lblFrmTitle_;
    ui::ImageButton* btnOK_;
    ui::ImageButton* btnCancel_;
    ui::ImageButton* btnUp_;
    ui::ImageButton* btnDown_;
    std::shared_ptr<ui::cMsgRetValue> response_;
};

// The distinct non-empty values of a column.
class frmMsgList : public frmMsgPicker {
    Q_OBJECT
public:
    explicit frmMsgList(QWidget* parent = nullptr);
    void sbInit();
    QString FldName() const { return fldName_; }
    void setFldName(const QString& name) { fldName_ = name; }
    QString FldText() const { return fldText_; }
    // Sets the title and adds one column header with the text; set it once.
    void setFldText(const QString& text);
    QString TblName() const { return tblName_; }
    void setTblName(const QString& name) { tblName_ = name; }
    void sbFillList();
    store::RecordSource& dcMain() { return dcMain_; }

protected:
    bool pickable(const QTreeWidgetItem* row) const override;
    QString pickedText(const QTreeWidgetItem* row) const override;

private:
    QString fldName_;
    QString fldText_;
    QString tblName_;
    store::RecordSource dcMain_{"dcMain"};
};

// "SELECT DISTINCT [field] FROM [table] WHERE [field] <> ''"
QString DistinctValuesQuery(const QString& table, const QString& field);

// The fields of a category, section by section.
class frmMsgFields : public frmMsgPicker {
    Q_OBJECT
public:
    explicit frmMsgFields(QWidget* parent = nullptr);
    void sbInit();
    int IDCategoria() const { return idCategoria_; }
    void setIDCategoria(int category) { idCategoria_ = category; }
    void sbFillList();

protected:
    bool pickable(const QTreeWidgetItem* row) const override;
    QString pickedText(const QTreeWidgetItem* row) const override;

private:
    int idCategoria_ = 0;
};

// Key of a picker row (section "|" position for the field picker).
inline constexpr int kRowKeyRole = Qt::UserRole;

QString MsgFields(int category);
QString MsgList(const QString& table, const QString& field, const QString& text);

}  // namespace browser
