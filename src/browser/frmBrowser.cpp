#include "frmBrowser.h"

#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <cstdlib>

#include "Pickers.h"
#include "frame/Dialogs.h"
#include "frame/Folders.h"
#include "frame/Ini.h"
#include "frame/InputValidation.h"
#include "frame/Language.h"
#include "frame/Paths.h"
#include "store/DbError.h"
#include "store/SqlText.h"
#include "ui/Chrome.h"
#include "ui/Icons.h"
#include "ui/MsgDialogs.h"
#include "ui/SkinHolder.h"
#include "ui/Theme.h"
#include "ui/frmAbout.h"
#include "ui/frmSkin.h"

namespace browser {

namespace {

constexpr int kWidth = 790;
constexpr int kHeight = 540;

const char* const kCategoryPictures[kCategories] = {
    "cat_music",  "cat_books",  "cat_vhsfilm", "cat_dvdfilm",
    "cat_cddata", "cat_stamps", "cat_mp3",     "cat_singers_and_actors",
    "cat_writers"};

struct ViewButton {
    const char* suffix;
    const char* picture;
};
// In the order of the views: 0 all, 1 recent, 2 to return, 3 lent, 4 name, 5 usage, 6 date.
const ViewButton kViewButtons[kViews] = {
    {"ByAll", "byall"},   {"ByRecent", "byrecent"}, {"ByToReturn", "bytoreturn"}, {"ByLend", "bylend"},
    {"ByName", "byname"}, {"ByUsage", "byusage"},   {"ByDate", "bydate"}};

// Tiles: four columns of six, numbered down each column.
QRect tileGeometry(int k) {
    static const int lefts[] = {12, 208, 400, 592};
    const int column = k / 6, row = k % 6;
    return QRect(lefts[column], 180 + 48 * row, column == 0 ? 189 : 185, 41);
}

const QColor kCaptionColor(255, 255, 255);
const QColor kTextColor(224, 224, 224);
const QColor kFocusColor(255, 204, 102);

// A frame drawn over a button: the selected category or view.
class FrameShape : public QWidget {
public:
    FrameShape(QWidget* parent, const QString& name, QColor color, bool filled)
        : QWidget(parent), color_(color), filled_(filled) {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (filled_) {
            painter.fillRect(rect(), color_);
            return;
        }
        painter.setPen(QPen(color_, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

private:
    QColor color_;
    bool filled_;
};

}  // namespace

frmBrowser::frmBrowser(QWidget* parent) : SkinnedWindow("frmBrowser", QSize(kWidth, kHeight), parent) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    ui::MakeTitleLabel(this, QStringLiteral("Trovex2"), QRect(8, 4, kWidth - 16, 13));
    buildCategoryBar();
    buildViews();
    buildTiles();
    buildSearchPanel();
    buildToolBar();
    closeAction_ = [] { std::quick_exit(0); };
    connect(&ui::SkinHolder(), &ui::frmLib::skinChanged, this, &frmBrowser::sbRepaintSkin);
}

frmBrowser::~frmBrowser() = default;

ui::ImageButton* frmBrowser::makeButton(const QString& suffix, const QString& picture,
                                        const QRect& geometry) {
    return new ui::ImageButton(this, suffix, picture, geometry);
}

ui::ImageButton* frmBrowser::button(const QString& name) const {
    return findChild<ui::ImageButton*>(name);
}

void frmBrowser::buildCategoryBar() {
    for (int k = 0; k < kCategories; ++k) {
        auto* b = makeButton("Cat", kCategoryPictures[k], QRect(12 + 70 * k, 30, 64, 64));
        b->setProperty("index", k);
        b->image()->setProperty("index", k);
        connect(b, &ui::ImageButton::pressed, this, [this, k] { setIDCategoria(k + 1); });
        btnCat_[k] = b;
    }
    shpCat_ = new FrameShape(this, "shpCat", kFocusColor, false);
    shpFocus_ = new FrameShape(this, "shpFocus", kFocusColor, true);
    shpFocus_->setGeometry(12, 98, 64, 3);
    shpFocus_->show();
}

void frmBrowser::buildViews() {
    for (int v = 0; v < kViews; ++v) {
        auto* b =
            makeButton(kViewButtons[v].suffix, kViewButtons[v].picture, QRect(12 + 40 * v, 132, 32, 32));
        connect(b, &ui::ImageButton::pressed, this, [this, v] { setIDFiltro(v); });
        viewButtons_[v] = b;
    }
    shpView_ = new FrameShape(this, "shpView", kFocusColor, false);
}

void frmBrowser::buildTiles() {
    for (int k = 0; k < kTilesPerPage; ++k) {
        auto* tile = new GfxItem(this);
        tile->setObjectName("itmMain");
        tile->setProperty("index", k);
        tile->setGeometry(tileGeometry(k));
        tile->setCaptionColor(kCaptionColor);
        tile->setText1Color(kTextColor);
        tile->setText2Color(kTextColor);
        tile->setFocusColor(kFocusColor);
        tile->setMousePointer(Qt::PointingHandCursor);
        tile->setProperty("linkCursor", true);
        connect(tile, &GfxItem::Click, this, [this, k] { tilePressed(k, false); });
        connect(tile, &GfxItem::MouseButtonRight, this, [this, k] { tilePressed(k, true); });
        connect(tile, &GfxItem::DblClick, this, [this, k] {
            setIDScheda(tiles_[k]->ID());
            sbProperty();
        });
        tiles_[k] = tile;
    }
}

void frmBrowser::buildSearchPanel() {
    txtIlCampo_ = ui::MakeTextBox(this, "txtIlCampo", QRect(340, 140, 150, 15), 0, QRect(335, 136, 160, 23));
    txtIlCampo_->setReadOnly(true);
    txtIlCampo_->installEventFilter(this);
    imgArrUp_ = new ui::PictureBox(this, ui::PictureBox::Fit::Stretch);
    imgArrUp_->setObjectName("imgArrUp");
    imgArrUp_->setGeometry(499, 137, 16, 21);
    imgArrUp_->setCursor(Qt::PointingHandCursor);
    imgArrUp_->setProperty("linkCursor", true);
    imgArrUp_->installEventFilter(this);
    txtContiene_ =
        ui::MakeTextBox(this, "txtContiene", QRect(530, 140, 170, 15), 1, QRect(525, 136, 180, 23));
    makeButton("Find", "find", QRect(712, 137, 21, 21));
    makeButton("Clear", "clear", QRect(738, 137, 21, 21));
    connect(button("btnFind"), &ui::ImageButton::pressed, this, &frmBrowser::sbFind);
    connect(button("btnClear"), &ui::ImageButton::pressed, this, &frmBrowser::sbClear);
    connect(txtIlCampo_, &QLineEdit::textChanged, this, &frmBrowser::sbMenu);
    connect(txtContiene_, &QLineEdit::textChanged, this, &frmBrowser::sbMenu);
}

void frmBrowser::buildToolBar() {
    constexpr int top = 479;
    makeButton("New", "new48", QRect(12, top, 48, 48));
    imgSep_[0] = new ui::PictureBox(this, ui::PictureBox::Fit::AutoSize);
    imgSep_[0]->move(70, top);
    makeButton("First", "first48", QRect(88, top, 48, 48));
    makeButton("Previous", "previous48", QRect(140, top, 48, 48));
    lblPagina_ = new QLabel(QStringLiteral("0/0"), this);
    lblPagina_->setObjectName("lblPagina");
    lblPagina_->setFont(ui::SkinFont(true));
    lblPagina_->setAlignment(Qt::AlignCenter);
    lblPagina_->setStyleSheet("color: white; background: transparent;");
    lblPagina_->setGeometry(192, top + 16, 76, 16);
    makeButton("Next", "next48", QRect(272, top, 48, 48));
    makeButton("Last", "last48", QRect(324, top, 48, 48));
    imgSep_[1] = new ui::PictureBox(this, ui::PictureBox::Fit::AutoSize);
    imgSep_[1]->move(382, top);
    makeButton("Settings", "settings48", QRect(400, top, 48, 48));
    makeButton("GoTo", "goto", QRect(452, top, 48, 48));
    imgSep_[2] = new ui::PictureBox(this, ui::PictureBox::Fit::AutoSize);
    imgSep_[2]->move(510, top);
    makeButton("Skin", "skinbrowser32", QRect(528, top + 8, 32, 32));
    makeButton("Help", "helpbrowser32", QRect(566, top + 8, 32, 32));
    makeButton("About", "about32", QRect(604, top + 8, 32, 32));
    makeButton("Minimize", "minimize32", QRect(708, 30, 32, 32));
    makeButton("Close", "close32", QRect(746, 30, 32, 32));
    for (int i = 0; i < 3; ++i) {
        imgSep_[i]->setObjectName("imgSep");
        imgSep_[i]->setProperty("index", i);
        imgSep_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    connect(button("btnNew"), &ui::ImageButton::pressed, this, &frmBrowser::sbNew);
    connect(button("btnFirst"), &ui::ImageButton::pressed, this, [this] { setPagina(0); });
    connect(button("btnPrevious"), &ui::ImageButton::pressed, this, [this] {
        if (pagina_ != 0) setPagina(pagina_ - 1);
    });
    connect(button("btnNext"), &ui::ImageButton::pressed, this, [this] {
        if (pagina_ + 1 < pagine_) setPagina(pagina_ + 1);
    });
    connect(button("btnLast"), &ui::ImageButton::pressed, this,
            [this] { setPagina(std::max(pagine_ - 1, 0)); });
    connect(button("btnSettings"), &ui::ImageButton::pressed, this, &frmBrowser::settingsRequested);
    connect(button("btnGoTo"), &ui::ImageButton::pressed, this, [this] {
        const QString page = QString::fromUtf8(kHomePage);
        frame::sbShellOpen(this, page.isEmpty() ? frame::folders().installation + "/hlp/index.htm" : page);
    });
    connect(button("btnSkin"), &ui::ImageButton::pressed, this, [this] {
        ui::frmSkin chooser(this);
        chooser.sbInit();
        ui::CenterOnActiveWindow(&chooser);
        chooser.exec();
    });
    connect(button("btnHelp"), &ui::ImageButton::pressed, this,
            [this] { frame::sbShellOpen(this, frame::folders().installation + "/hlp/index.htm"); });
    connect(button("btnAbout"), &ui::ImageButton::pressed, this, [this] {
        ui::frmAbout about(this);
        about.sbInit();
        ui::CenterOnActiveWindow(&about);
        about.exec();
    });
    connect(button("btnMinimize"), &ui::ImageButton::pressed, this, &QWidget::showMinimized);
    connect(button("btnClose"), &ui::ImageButton::pressed, this, [this] { closeAction_(); });
}

void frmBrowser::sbInit() {
    setBackgroundPicture(ui::ReadPicture(ui::SkinFile("browser.jpg")));
    setWindowTitle(QStringLiteral("Trovex2"));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    ui::sbSetIcons(this);
    for (ui::PictureBox* sep : imgSep_) ui::sbLoadPicture(sep, ui::SkinFile("separator48.gif"));
    delete validator_;
    validator_ = new frame::cInpVal(this);
    validator_->Init(txtContiene_, 255, frame::kInputMask, QStringLiteral("ALNU2 "));
    frame::sbLoadToolTips(this, "BTNHOME", QString());
    sbLoadCat();
    setIDCategoria(1);
    sbMenu();
}

void frmBrowser::sbRepaintSkin() {
    setBackgroundPicture(ui::ReadPicture(ui::SkinFile("browser.jpg")));
    for (ui::PictureBox* sep : imgSep_) ui::sbLoadPicture(sep, ui::SkinFile("separator48.gif"));
    sbMenu();
    for (GfxItem* tile : tiles_) tile->sbGfxCopyParent();
    update();
}

void frmBrowser::sbLoadCat() {
    for (int k = 0; k < kCategories; ++k) {
        const QString file = frame::CategoryLabelFile(frame::CategoryFolder(k + 1));
        btnCat_[k]->setToolTip(frame::GetINI("CONFIG", "name", QString(), file));
    }
}

void frmBrowser::setIDCategoria(int category) {
    idCategoria_ = category;
    if (category >= 1 && category <= kCategories) {
        const QRect at = btnCat_[category - 1]->geometry();
        shpCat_->setGeometry(at);
        shpCat_->show();
        shpCat_->raise();
        shpFocus_->move(at.left(), shpFocus_->y());
    }
    setIDFiltro(idFiltro_);
}

void frmBrowser::setIDFiltro(int view) {
    idFiltro_ = view;
    if (view >= 0 && view < kViews) {
        shpView_->setGeometry(viewButtons_[view]->geometry());
        shpView_->show();
        shpView_->raise();
    }
    setPagina(0);
}

void frmBrowser::setPagina(int page) {
    pagina_ = page;
    sbLoadSch();
}

void frmBrowser::setIDScheda(int card) {
    idScheda_ = card;
    sbMenu();
}

void frmBrowser::sbLoadSch() {
    setIDScheda(0);
    const ListViewLoader loader(idCategoria_, idFiltro_, filter_.SQL);
    const PageLoad page = loader.load(dcMain_, pagina_);
    QString lastPicture;
    QPixmap lastPixmap;
    for (int k = 0; k < kTilesPerPage; ++k) {
        GfxItem* tile = tiles_[k];
        const TileText& t = page.tiles[k];
        tile->setCaption(t.caption);
        tile->setText1(t.text1);
        tile->setText2(t.text2);
        tile->setID(t.id);
        tile->setEnabled(t.filled);
        tile->setFocus(false);
        if (t.picture.isEmpty()) {
            tile->setPicture(QPixmap());
            continue;
        }
        // Neighbouring tiles often share the category thumbnail: read it once per load.
        if (t.picture != lastPicture) {
            lastPicture = t.picture;
            lastPixmap = ui::ReadPicture(t.picture);
        }
        tile->setPicture(lastPixmap);
    }
    setPagine(page.pages);
    lblPagina_->setText(page.label);
}

void frmBrowser::sbMenu() {
    const bool category = idCategoria_ > 0;
    for (ui::ImageButton* b : btnCat_) b->setEnabled(true);
    for (const char* name :
         {"btnGoTo", "btnSettings", "btnSkin", "btnHelp", "btnAbout", "btnMinimize", "btnClose"})
        button(name)->setEnabled(true);
    button("btnFind")->setEnabled(!txtIlCampo_->text().isEmpty() && !txtContiene_->text().isEmpty() &&
                                  category);
    button("btnClear")->setEnabled(filter_.Enabled && category);
    for (ui::ImageButton* b : viewButtons_) b->setEnabled(category);
    for (const char* name : {"btnNew", "btnFirst", "btnPrevious", "btnNext", "btnLast"})
        button(name)->setEnabled(category);
    ui::sbLoadPicture(imgArrUp_, ui::SkinFile("arr_up.jpg"));
    ui::RefreshButtons(this);
}

// Opening a card.

void frmBrowser::openCardWindow(int operation) {
    const int card = operation == kOpNew ? 0 : idScheda_;
    emit openCard(idCategoria_, card, operation, 1, pos());
    hide();
}

void frmBrowser::sbNew() {
    openCardWindow(kOpNew);
}

void frmBrowser::sbEdit() {
    openCardWindow(kOpEdit);
}

bool frmBrowser::executeOnMain(const QString& statement) {
    try {
        if (dcMain_.databaseName().isEmpty()) {
            dcMain_.setDatabaseName(frame::folders().catalogueDatabase);
            dcMain_.setConnect(";PWD=" + frame::folders().databasePassword);
        }
        dcMain_.execute(statement);
        return true;
    } catch (const store::DbError& e) {
        ui::ShowActionError(this, e.number(), e.description());
        return false;
    }
}

void frmBrowser::sbProperty() {
    if (!executeOnMain("UPDATE [tblSchede] SET [dtUltimo] = " + store::SqlDate(QDate::currentDate()) +
                       " WHERE [ID] = " + QString::number(idScheda_)))
        return;
    // The set re-reads its rows at the next access; the tiles keep what they show.
    openCardWindow(kOpView);
}

void frmBrowser::sbDelete() {
    if (ui::MsgConfirm(frame::cnfElimina) != ui::cMsgRetValue::kOK) return;
    // The card's files stay in the category folder: other cards may share them.
    const QString id = QString::number(idScheda_);
    if (executeOnMain("DELETE FROM [tblSchede] WHERE [ID] = " + id))
        executeOnMain("DELETE FROM [tblElementi] WHERE [IDScheda] = " + id);
    setIDCategoria(idCategoria_);
}

void frmBrowser::sbStampa(int kind, int design) {
    emit printRequested(kind, design);
}

void frmBrowser::tilePressed(int k, bool right) {
    GfxItem* tile = tiles_[k];
    setIDScheda(tile->ID());
    if (!right) return;
    const QPoint centre(tile->x() + tile->width() / 2, tile->y() + tile->height() / 2);
    emit cardMenuRequested(mapToGlobal(centre));
}

// Search.

void frmBrowser::chooseSearchField() {
    const QString column = MsgFields(idCategoria_);
    if (column.isEmpty()) return;
    filter_.FieldName[0] = column;
    const QString labelFile = frame::CategoryLabelFile(frame::CategoryFolder(idCategoria_));
    filter_.FieldText[0] = FieldLabel(labelFile, column);
    txtIlCampo_->setText(filter_.FieldText[0]);
}

void frmBrowser::sbFind() {
    if (!button("btnFind")->isEnabled()) return;
    filter_.Enabled = true;
    filter_.FieldCont[0] = txtContiene_->text();
    filter_.SQL = SearchClause(filter_.FieldName[0], filter_.FieldCont[0]);
    setIDCategoria(idCategoria_);
}

void frmBrowser::sbClear() {
    if (!button("btnClear")->isEnabled()) return;
    filter_.clear();
    txtIlCampo_->clear();
    txtContiene_->clear();
    setIDCategoria(idCategoria_);
}

bool frmBrowser::previewKey(QKeyEvent* event) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == txtContiene_ || focus == txtIlCampo_) return searchKey(focus, event);
    return false;
}

bool frmBrowser::searchKey(QObject* box, QKeyEvent* event) {
    if (box == txtContiene_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        sbFind();
        return true;
    }
    if (box == txtIlCampo_ && event->key() == Qt::Key_F4) {
        chooseSearchField();
        return true;
    }
    return false;
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == txtContiene_ || watched == txtIlCampo_) && event->type() == QEvent::KeyPress &&
        searchKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == txtIlCampo_ && event->type() == QEvent::MouseButtonDblClick) {
        chooseSearchField();
        return true;
    }
    if (watched == imgArrUp_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        chooseSearchField();
        return true;
    }
    return SkinnedWindow::eventFilter(watched, event);
}

}  // namespace browser
