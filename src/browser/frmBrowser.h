#pragma once
// The browser: the program's main window. A bar of nine category buttons, seven view buttons, a page
// of 24 card tiles with paging, the search panel and the tool bar.
//
// How the application uses it (after a successful login):
//     auto* browser = new browser::frmBrowser;
//     browser->sbInit();          // background, tooltips, category names, first category loaded
//     browser->show();
//     QObject::connect(browser, &browser::frmBrowser::openCard, ...);  // see below
// - openCard(category, card, operation, section, topLeft): the user opened a card (operation 0 view,
//   1 new card, 2 edit). The application moves the card window to topLeft, sets its IDCategoria,
//   IDScheda, IDOperazione and IDSezione in this order and shows it; the browser has hidden itself.
//   When the card window closes it shows the browser again; after it saved or deleted a card it calls
//   browser->setIDCategoria(browser->IDCategoria()) first, which reloads the list.
// - cardMenuRequested(corner): right button on a tile; the card menu opens with its top left corner
//   at `corner` (screen coordinates) and calls sbNew, sbEdit, sbStampa and sbDelete.
// - printRequested(kind, design): sbStampa; report printing reads the rows of dcMain().
// - settingsRequested(): the settings window opens modally.
// A skin applied from the skin chooser repaints the browser by itself (the skin holder's signal);
// sbRepaintSkin does the same on request.

#include <QPoint>
#include <array>
#include <functional>

#include "GfxItem.h"
#include "ListViewLoader.h"
#include "cFilter.h"
#include "store/RecordSource.h"
#include "ui/ImageButton.h"
#include "ui/SkinnedWindow.h"

class QLabel;
class QLineEdit;

namespace frame {
class cInpVal;
}

namespace browser {

// The address of the maker's web page; empty while there is no public page, and the go-to button
// then opens the local help page.
inline constexpr const char* kHomePage = "";

// The card window's operations.
inline constexpr int kOpView = 0;
inline constexpr int kOpNew = 1;
inline constexpr int kOpEdit = 2;

inline constexpr int kCategories = 9;

class frmBrowser : public ui::SkinnedWindow {
    Q_OBJECT
public:
    explicit frmBrowser(QWidget* parent = nullptr);
    ~frmBrowser() override;

    void sbInit();
    void sbLoadCat();
    void sbLoadSch();
    void sbMenu();
    void sbNew();
    void sbProperty();
    void sbEdit();
    void sbDelete();
    void sbStampa(int kind, int design);
    // Takes the current skin's pictures again (background, separators, buttons, tile backgrounds).
    void sbRepaintSkin();

    int IDCategoria() const { return idCategoria_; }
    void setIDCategoria(int category);
    int IDFiltro() const { return idFiltro_; }
    void setIDFiltro(int view);
    int IDScheda() const { return idScheda_; }
    void setIDScheda(int card);
    int Pagina() const { return pagina_; }
    void setPagina(int page);
    int Pagine() const { return pagine_; }
    void setPagine(int pages) { pagine_ = pages; }

    // Search panel actions.
    void chooseSearchField();
    void sbFind();
    void sbClear();
    const cFilter& filter() const { return filter_; }

    store::RecordSource& dcMain() { return dcMain_; }
    store::RecordSource& dcSupport() { return dcSupport_; }
    GfxItem* itmMain(int k) const { return tiles_.at(k); }
    ui::ImageButton* btnCat(int k) const { return btnCat_.at(k); }
    ui::ImageButton* viewButton(int view) const { return viewButtons_.at(view); }
    ui::ImageButton* button(const QString& name) const;
    QLabel* lblPagina() const { return lblPagina_; }
    QLineEdit* txtIlCampo() const { return txtIlCampo_; }
    QLineEdit* txtContiene() const { return txtContiene_; }
    QWidget* shpCat() const { return shpCat_; }
    QWidget* shpView() const { return shpView_; }

    // What btnClose does; by default the process ends at once.
    void setCloseAction(std::function<void()> action) { closeAction_ = std::move(action); }

signals:
    void openCard(int IDCategoria, int IDScheda, int IDOperazione, int IDSezione, QPoint topLeft);
    void cardMenuRequested(QPoint corner);
    void printRequested(int kind, int design);
    void settingsRequested();

protected:
    bool previewKey(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCategoryBar();
    void buildViews();
    void buildTiles();
    void buildSearchPanel();
    void buildToolBar();
    ui::ImageButton* makeButton(const QString& suffix, const QString& picture, const QRect& geometry);
    void openCardWindow(int operation);
    // Runs an action statement through dcMain's connection; false (after the message) on an error.
    bool executeOnMain(const QString& statement);
    void tilePressed(int k, bool right);
    // Enter in the search text and F4 in the field box.
    bool searchKey(QObject* box, QKeyEvent* event);

    int idCategoria_ = 0;
    int idFiltro_ = 0;
    int idScheda_ = 0;
    int pagina_ = 0;
    int pagine_ = 0;
    cFilter filter_;
    store::RecordSource dcMain_{"dcMain"};
    store::RecordSource dcSupport_{"dcSupport"};

    std::array<ui::ImageButton*, kCategories> btnCat_{};
    std::array<ui::ImageButton*, kViews> viewButtons_{};
    std::array<GfxItem*, kTilesPerPage> tiles_{};
    std::array<ui::PictureBox*, 3> imgSep_{};
    QWidget* shpCat_ = nullptr;
    QWidget* shpFocus_ = nullptr;
    QWidget* shpView_ = nullptr;
    QLabel* lblPagina_ = nullptr;
    QLineEdit* txtIlCampo_ = nullptr;
    QLineEdit* txtContiene_ = nullptr;
    ui::PictureBox* imgArrUp_ = nullptr;
    frame::cInpVal* validator_ = nullptr;
    std::function<void()> closeAction_;
};

}  // namespace browser
