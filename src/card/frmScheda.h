#pragma once
// The card window frmScheda: one generic form for a card of any category. The category label file
// renames, hides and shows its fields and names the columns of its five element lists.
//
// How the application uses it:
//   - At start-up, after the browser: create it once (`auto* card = new card::frmScheda;`), call
//     `card->sbInit()`, install the value picker (`card->setValuePicker(...)`, a function that opens the
//     browser's MsgList for table "tblSchede", the given column and title and returns the chosen text)
//     and leave it hidden. It lives for the whole run.
//   - Connect its signals:
//       closed(QPoint topLeft)          the browser moves to topLeft and shows itself;
//       categoryChanged(int category)   after Save and Delete: the browser shows that category again;
//       htmlRequested()                 the HTML export window (frmHtml) for the card shown;
//       cddbRequested()                 the CD lookup on the card;
//       folderImportRequested()         the folder import of MP3 tracks into the element list.
//   - To open a card (browser): move the card window to the browser's top left corner, then call in
//     this order setIDCategoria(category), setIDScheda(card or 0 for a new one), setIDOperazione(0 view,
//     1 new, 2 change), setIDSezione(1); show it and hide the browser.
//   - After another skin was applied, ui::SkinHolder().skinChanged() repaints it by itself.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "CardBinding.h"
#include "CategoryLabels.h"
#include "ElementRows.h"
#include "MenuRules.h"
#include "frame/Folders.h"
#include "store/RecordSource.h"
#include "ui/ImageButton.h"
#include "ui/SkinnedWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace card {

class frmScheda : public ui::SkinnedWindow {
    Q_OBJECT
public:
    // Opens the value picker with a title and a column of tblSchede; returns the chosen text or empty.
    using ValuePicker = std::function<QString(const QString& title, const QString& column)>;
    // Edits one element row (the element editor); returns true when the user saved it.
    using ElementEditor =
        std::function<bool(QWidget* parent, int kind, const QString& catPath, QStringList& row8)>;

    explicit frmScheda(QWidget* parent = nullptr);
    ~frmScheda() override;

    void sbInit();
    void sbMenu();

    const QString& CatPath() const { return catPath_; }
    int IDCategoria() const { return category_; }
    void setIDCategoria(int category);
    int IDScheda() const { return card_; }
    void setIDScheda(int card);
    int IDOperazione() const { return operation_; }
    void setIDOperazione(int operation);
    int IDSezione() const { return section_; }
    void setIDSezione(int section);

    void setValuePicker(ValuePicker picker) { picker_ = std::move(picker); }
    // Replaces the element editor (tests); by default frmElemento opens.
    void setElementEditor(ElementEditor editor) { editor_ = std::move(editor); }

    // The commands of the command bar, as their buttons run them.
    bool sbSave();
    void sbCancel();
    void sbDelete();
    void sbClose();

    // The element lists: the list of a kind, and its rows as the window holds them.
    QTreeWidget* list(int kind) const { return lists_.at(static_cast<size_t>(kind - 1)); }
    ElementLists elementRows() const;
    void setElementRows(const ElementLists& rows);
    // Appends a row to a list (folder import, CD lookup) and, when asked, selects it.
    void appendElementRow(int kind, const QStringList& row8, bool select);

    const CategoryFlags& flags() const { return flags_; }
    const CardBinding& binding() const { return binding_; }
    // Caption shown for field k of a section (the pickers' titles), and a list's column captions.
    QString fieldCaption(int section, int position) const;
    const QStringList& columnCaptions(int kind) const {
        return columnCaptions_.at(static_cast<size_t>(kind - 1));
    }
    store::RecordSource& dcMain() { return dcMain_; }
    QSize mediaInnerSize() const;

signals:
    void closed(QPoint topLeft);
    void categoryChanged(int IDCategoria);
    void htmlRequested();
    void cddbRequested();
    void folderImportRequested();

protected:
    bool previewKey(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // frmSchedaLayout.cpp
    void buildLayout();
    void buildTitleArea();
    void buildFieldSection(int section);
    void buildListSection(int section);
    void buildCommandBar();
    QWidget* addField(QWidget* panel, int fieldIndex, const QRect& box);
    ui::ImageButton* addButton(QWidget* parent, const QString& suffix, const QString& picture,
                               const QRect& at, bool anyMouseButton = false);

    // frmScheda.cpp: state
    void applyCategory();
    void applyFieldVisibility();
    void paintSkin();
    void setLocked(bool locked);
    void showMainPicture();
    void updateThumbnail();
    bool showPicture(const QString& storedPath);
    void clearMedia();

    // frmSchedaActions.cpp
    void openPicker(QWidget* field);
    void chooseMainPicture();
    void listCommand(int kind, int command);
    void editElement(int kind, bool addNew);
    void deleteElement(int kind);
    void sendKey(QWidget* target, int key);
    void mediaStep(int key);
    void playSelected();
    void listCdFolders();
    void onListSelection(int kind);
    void onListDoubleClick(int kind);
    void openSkinChooser();
    void openHelp();

    QString labelFile() const { return frame::CategoryLabelFile(catPath_); }
    QTreeWidget* mediaList() const;

    int category_ = 0;
    int card_ = 0;
    int operation_ = kView;
    int section_ = 1;
    QString catPath_;
    CategoryFlags flags_;
    std::array<QStringList, kKinds> columnCaptions_;
    std::vector<QStringList> fieldCaptions_;  // by section 0..11

    store::RecordSource dcMain_{"dcMain"};
    store::RecordSource dcSupport_{"dcSupport"};
    CardBinding binding_;
    ValuePicker picker_;
    ElementEditor editor_;

    // Controls.
    QLineEdit* txtMain1_ = nullptr;
    QLineEdit* txtMain2_ = nullptr;
    QLabel* lblMain2_ = nullptr;
    ui::PictureBox* imgPicture_ = nullptr;
    ui::PictureBox* picMedia_ = nullptr;
    ui::PictureBox* imgMain_ = nullptr;
    ui::PictureBox* imgPrev_ = nullptr;
    QWidget* shpSect_ = nullptr;
    std::array<QLabel*, kSections> tabs_{};
    std::array<ui::PictureBox*, kSections> panels_{};
    std::array<QLabel*, kSections> headings_{};
    std::array<QTreeWidget*, kKinds> lists_{};
    std::array<ui::PictureBox*, kTechnicalIcons> technicalIcons_{};
    std::vector<ui::PictureBox*> separators_;
    std::vector<QWidget*> fieldControls_;  // by FieldTable index
    std::vector<QLabel*> fieldLabels_;     // by FieldTable index; null for check boxes
    std::vector<QWidget*> fieldFrames_;    // by FieldTable index
    std::vector<QCheckBox*> checks_;
    std::vector<QWidget*> multiLines_;

    struct ListButtons {
        ui::ImageButton *add = nullptr, *edit = nullptr, *remove = nullptr, *up = nullptr, *down = nullptr;
    };
    std::array<ListButtons, kKinds> listButtons_{};
    ui::ImageButton *btnEdit_ = nullptr, *btnSave_ = nullptr, *btnCancel_ = nullptr, *btnDelete_ = nullptr,
                    *btnPrint_ = nullptr, *btnHtml_ = nullptr, *btnClose_ = nullptr, *btnCddb_ = nullptr,
                    *btnGetDir_ = nullptr, *btnSkin_ = nullptr, *btnHelp_ = nullptr, *btnBack_ = nullptr,
                    *btnForward_ = nullptr, *btnPlay_ = nullptr, *btnGetFolderEle_ = nullptr;
};

}  // namespace card
