#pragma once
// A fresh installation's catalogue with a few cards written through the store itself.

#include <gtest/gtest.h>

#include <QDate>
#include <QVariantMap>

#include "TestSupport.h"
#include "frame/Folders.h"
#include "store/RecordSource.h"

class CatalogueTest : public ::testing::Test {
protected:
    testsupport::TempInstallation install;
    store::RecordSource source{"dcMain"};
    void TearDown() override {
        source.close();
        store::Connection::ReleaseAll();
    }

    // Adds a card with the given columns; returns its ID.
    int addCard(int category, const QString& title, const QVariantMap& more = {}) {
        const int id = store::MaxId("tblSchede", "ID") + 1;
        EXPECT_TRUE(store::OpenRecordSource(source, "SELECT * FROM [tblSchede] WHERE [ID] = -1"));
        auto* rs = source.recordset();
        rs->addNew();
        rs->setValue("ID", id);
        rs->setValue("IDCategoria", category);
        rs->setValue("sMain1", title);
        for (auto it = more.begin(); it != more.end(); ++it) rs->setValue(it.key(), it.value());
        rs->update();
        return id;
    }
    int addElement(int card, int kind, const QString& first) {
        const int id = store::MaxId("tblElementi", "ID") + 1;
        EXPECT_TRUE(store::OpenRecordSource(source, "SELECT * FROM [tblElementi]"));
        auto* rs = source.recordset();
        rs->addNew();
        rs->setValue("ID", id);
        rs->setValue("IDScheda", card);
        rs->setValue("IDTipo", kind);
        rs->setValue("sElementi1", first);
        rs->update();
        return id;
    }
    // The titles a statement returns, in order.
    QStringList titles(const QString& sql, const QString& column = "sMain1") {
        store::RecordSource s;
        EXPECT_TRUE(store::OpenRecordSource(s, sql)) << sql.toStdString();
        QStringList out;
        if (!s.recordset()) return out;
        for (auto* rs = s.recordset(); !rs->eof(); rs->moveNext()) out << rs->text(column);
        return out;
    }
};
