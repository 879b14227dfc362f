#include "AppWindows.h"

#include <QObject>

#include "browser/Pickers.h"
#include "browser/frmBrowser.h"
#include "card/FolderImportProgress.h"
#include "card/frmScheda.h"
#include "frame/Dialogs.h"

namespace app {

AppWindows CreateMainWindows() {
    AppWindows w;
    w.browser = new browser::frmBrowser;
    w.browser->sbInit();
    w.browser->show();

    w.card = new card::frmScheda;
    w.card->sbInit();
    w.card->hide();
    // The value pickers of the card's fields list what the catalogue already holds in that column.
    w.card->setValuePicker([](const QString& title, const QString& column) {
        return browser::MsgList(QStringLiteral("tblSchede"), column, title);
    });

    browser::frmBrowser* b = w.browser;
    card::frmScheda* c = w.card;
    // The browser opens a card: the card window takes its place and is set up in this order, the
    // category first (the lists need their columns before the card loads).
    QObject::connect(b, &browser::frmBrowser::openCard, c,
                     [c](int category, int id, int operation, int section, QPoint topLeft) {
                         c->move(topLeft);
                         c->setIDCategoria(category);
                         c->setIDScheda(id);
                         c->setIDOperazione(operation);
                         c->setIDSezione(section);
                         c->show();
                         c->raise();
                         c->activateWindow();
                     });
    // Save and Delete: the browser's list shows the change before it reappears.
    QObject::connect(c, &card::frmScheda::categoryChanged, b,
                     [b](int category) { b->setIDCategoria(category); });
    QObject::connect(c, &card::frmScheda::closed, b, [b](QPoint topLeft) {
        b->move(topLeft);
        b->show();
        b->raise();
        b->activateWindow();
    });
    // The folder import of MP3 tracks into the card's element list.
    QObject::connect(c, &card::frmScheda::folderImportRequested, c, [c] {
        const QString folder = frame::BrowseFolder(c, c->columnCaptions(1).value(0));
        card::ImportMp3Folder(c, folder, c->CatPath(),
                              [c](const QStringList& row8) { card::AppendAndShowRow(c->list(1), row8); });
    });
    return w;
}

}  // namespace app
