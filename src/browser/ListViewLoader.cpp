#include "ListViewLoader.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

#include "frame/FileUtils.h"
#include "frame/Folders.h"
#include "frame/Paths.h"
#include "store/DbError.h"

namespace browser {

namespace {

struct View {
    const char* condition;
    const char* order;
    const char* text1;
    const char* text1Prefix;
    const char* text2;
    const char* text2Prefix;
};

// The seven views: their clause and the columns of the two tile lines.
constexpr View kViewTable[kViews] = {
    {"", " ORDER BY [sMain1] ASC", "sDescrizione2", "", "sDescrizione1", ""},
    {"", " ORDER BY [dtUltimo] DESC", "dtUltimo", "", "sDescrizione1", ""},
    {" AND [bAltro8]", " ORDER BY [dtAltro10] ASC", "sAltro9", "", "dtAltro10", "\u00BB "},
    {" AND [bAltro11]", " ORDER BY [dtAltro13] ASC", "sAltro12", "", "dtAltro13", "\u00AB "},
    {"", " ORDER BY [sMain1] ASC", "sDescrizione2", "", "sDescrizione1", ""},
    {"", " ORDER BY [nAccessi] DESC", "nAccessi", "n. ", "sDescrizione1", ""},
    {"", " ORDER BY [dtCaricamento] ASC", "dtCaricamento", "", "sDescrizione1", ""},
};

const View* viewOf(int view) {
    return view >= 0 && view < kViews ? &kViewTable[view] : nullptr;
}

}  // namespace

QString ViewCondition(int view) {
    const View* v = viewOf(view);
    return v ? QString::fromUtf8(v->condition) : QString();
}

QString ViewOrder(int view) {
    const View* v = viewOf(view);
    return v ? QString::fromUtf8(v->order) : QString();
}

QString ListQuery(int category, const QString& filterSql, int view) {
    return "SELECT * FROM [tblSchede]" + (" WHERE [IDCategoria] = " + QString::number(category)) + filterSql +
           ViewClause(view);
}

int PageCount(int rows) {
    if (rows <= 0) return 1;
    return rows / kTilesPerPage + (rows % kTilesPerPage != 0 ? 1 : 0);
}

QString PageLabel(int page, int pages) {
    return QString::number(page + 1) + '/' + QString::number(pages);
}

QString TileValueText(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return QString();
    const QLocale locale = QLocale::system();
    switch (value.typeId()) {
        case QMetaType::QDate:
            return locale.toString(value.toDate(), QLocale::ShortFormat);
        case QMetaType::QDateTime: {
            const QDateTime dt = value.toDateTime();
            if (dt.time() == QTime(0, 0)) return locale.toString(dt.date(), QLocale::ShortFormat);
            return locale.toString(dt, QLocale::ShortFormat);
        }
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return locale.toString(value.toLongLong());
        case QMetaType::Double:
            return locale.toString(qRound64(value.toDouble()));
        default:
            return value.toString();
    }
}

ListViewLoader::ListViewLoader(int category, int view, QString filterSql)
    : category_(category), view_(view), filterSql_(std::move(filterSql)) {
    thumbnail_ = frame::CategoryFolder(category) + "thumb.jpg";
}

QString ListViewLoader::countQuery() const {
    return "SELECT COUNT(*) AS [nRighe] FROM [tblSchede] WHERE [IDCategoria] = " +
           QString::number(category_) + filterSql_ + ViewCondition(view_);
}

TileText ListViewLoader::tileFromRow(store::RecordSet& rs) const {
    TileText tile;
    tile.filled = true;
    tile.id = rs.value("ID").toInt();
    tile.caption = rs.text("sMain1");
    if (const View* v = viewOf(view_)) {
        tile.text1 = QString::fromUtf8(v->text1Prefix) + TileValueText(rs.value(QString::fromUtf8(v->text1)));
        tile.text2 = QString::fromUtf8(v->text2Prefix) + TileValueText(rs.value(QString::fromUtf8(v->text2)));
    }
    const QString stored = rs.text("sMain2");
    const QString own = stored.isEmpty() ? QString() : frame::NativePath(stored);
    tile.picture = (!own.isEmpty() && frame::FileExists(own)) ? own : thumbnail_;
    return tile;
}

PageLoad ListViewLoader::load(store::RecordSource& source, int page) const {
    PageLoad result;
    result.label = PageLabel(page, 1);
    // dcMain keeps the whole list (report printing reads it); the page itself is fetched by a
    // statement of its own that asks the engine for just those rows, so a late page costs what
    // the first does.
    if (!store::OpenRecordSource(source, query())) return result;
    try {
        store::RecordSource pageSource;
        const QString pageQuery =
            query() +
            QStringLiteral(" LIMIT %1 OFFSET %2").arg(kTilesPerPage).arg(qint64(page) * kTilesPerPage);
        if (!store::OpenRecordSource(pageSource, pageQuery, source.databaseName())) return result;
        store::RecordSet* rs = pageSource.recordset();
        for (int k = 0; k < kTilesPerPage && !rs->eof(); ++k, rs->moveNext())
            result.tiles[k] = tileFromRow(*rs);
        store::RecordSource counter;
        if (store::OpenRecordSource(counter, countQuery(), source.databaseName()) && counter.recordset() &&
            !counter.recordset()->eof())
            result.rows = counter.recordset()->value("nRighe").toInt();
        result.ok = true;
    } catch (const store::DbError& e) {
        store::ReportError(e);
    }
    result.pages = PageCount(result.rows);
    result.label = PageLabel(page, result.pages);
    return result;
}

}  // namespace browser
