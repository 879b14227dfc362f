#pragma once
// The list of a browser page, without a window: the list query of a category, view and search, the
// texts and pictures of the 24 tiles of one page, the page count and the page label.

#include <QString>
#include <QVariant>
#include <array>

#include "store/RecordSource.h"

namespace browser {

inline constexpr int kTilesPerPage = 24;
inline constexpr int kViews = 7;

// What one tile shows; an unfilled tile is empty and disabled.
struct TileText {
    bool filled = false;
    int id = 0;
    QString caption;
    QString text1;
    QString text2;
    QString picture;  // native path of the picture to show, empty for none
};

struct PageLoad {
    bool ok = false;  // false when the list query could not be run
    std::array<TileText, kTilesPerPage> tiles;
    int rows = 0;
    int pages = 1;
    QString label;  // "page/pages", counted from 1
};

// The condition and order each view adds to the list query (" AND [bAltro8]", " ORDER BY ...");
// both empty for a view outside 0 to 6.
QString ViewCondition(int view);
QString ViewOrder(int view);
inline QString ViewClause(int view) {
    return ViewCondition(view) + ViewOrder(view);
}

// "SELECT * FROM [tblSchede] WHERE [IDCategoria] = n" + filter + the view's clause.
QString ListQuery(int category, const QString& filterSql, int view);

// Pages of a list of `rows` rows: at least 1.
int PageCount(int rows);
QString PageLabel(int page, int pages);

// A value as a tile shows it: dates in the user's short date form (with the time when there is
// one), whole numbers grouped, null as the empty text.
QString TileValueText(const QVariant& value);

class ListViewLoader {
public:
    ListViewLoader(int category, int view, QString filterSql);

    QString query() const { return ListQuery(category_, filterSql_, view_); }
    // The statement that counts the rows of the list (the list query without its order).
    QString countQuery() const;

    // Binds `source` to the list query (reporting errors as OpenRecordSource does) and reads the page.
    // The page's rows and the row count each come from a statement of their own, so the last page
    // costs what the first does.
    PageLoad load(store::RecordSource& source, int page) const;

    // The tile of the record set's current row.
    TileText tileFromRow(store::RecordSet& rs) const;

private:
    int category_;
    int view_;
    QString filterSql_;
    QString thumbnail_;  // the category's "thumb.jpg"
};

}  // namespace browser
