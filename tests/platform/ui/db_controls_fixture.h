#pragma once

#include "platform/core/message_recorder.h"
#include "platform/db/data_source.h"
#include "platform/db/database.h"
#include "platform/db/db_errors.h"
#include "platform/db/table.h"
#include "support/test_database.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// A table that counts the records it reads from the database.
class CountingTable : public TTable
{
public:
    int fetched = 0;

protected:
    void FetchRecords(const QVector<qint64> &ids, QHash<qint64, TRecordBuffer> &into) override
    {
        fetched += int(ids.size());
        TTable::FetchRecords(ids, into);
    }
};

// A fresh local database per test with two small tables: teams (Omades) and categories
// (Kathgories), and a data source on each.
class DbControlsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegisterTestAlias();
        database_.SetAliasName("Tavrolin");
        database_.Open();
        database_.CreateTable({"Omades",
                               {{"TeamNo", TFieldType::ftInteger, 0, true},
                                {"Name", TFieldType::ftString, 20, false},
                                {"Goals", TFieldType::ftSmallint, 0, false},
                                {"KatNo", TFieldType::ftInteger, 0, false},
                                {"Played", TFieldType::ftBoolean, 0, false},
                                {"Answer", TFieldType::ftString, 5, false},
                                {"Typos", TFieldType::ftSmallint, 0, false},
                                {"Time", TFieldType::ftTime, 0, false},
                                {"Flag", TFieldType::ftGraphic, 0, false},
                                {"Notes", TFieldType::ftMemo, 0, false}},
                               {{"", "TeamNo", ixPrimary}, {"NameInd", "Name", ixUnique}}});
        database_.CreateTable(
            {"Kathgories",
             {{"KatNo", TFieldType::ftInteger, 0, true}, {"GrName", TFieldType::ftString, 30, false}},
             {{"", "KatNo", ixPrimary}}});
        teams = OpenTable("Omades");
        categories = OpenTable("Kathgories");
        for (const auto &[no, name] : {std::pair{1, "Α"}, {2, "Β"}, {3, "Γ"}})
            Append(*categories,
                   {{"KatNo", no}, {"GrName", QString::fromUtf8(name) + QStringLiteral(" Εθνική")}});
        for (const auto &[no, name, goals] :
             {std::tuple{1, "Ολυμπιακός", 3}, {2, "Παναθηναϊκός", 1}, {3, "ΑΕΚ", 2}})
            Append(*teams,
                   {{"TeamNo", no}, {"Name", QString::fromUtf8(name)}, {"Goals", goals}, {"KatNo", no}});
        teams->First();
        categories->First();
        teamSource.SetDataSet(teams.get());
        categorySource.SetDataSet(categories.get());
    }

    std::unique_ptr<TTable> OpenTable(const QString &name)
    {
        auto table = std::make_unique<TTable>();
        table->SetDatabase(&database_);
        table->SetTableName(name);
        table->Open();
        return table;
    }

    static void Append(TTable &table, const QList<std::pair<QString, QVariant>> &values)
    {
        table.Append();
        for (const auto &[name, value] : values)
            table.FieldByName(name).SetValue(value);
        table.Post();
    }

    // The value stored now, read through a table of its own.
    QVariant Stored(int teamNo, const QString &field)
    {
        auto table = OpenTable("Omades");
        return table->Lookup("TeamNo", {teamNo}, field);
    }

    static void Key(QWidget *target, int key, const QString &text = {}, Qt::KeyboardModifiers modifiers = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
        // Editors commit and close through queued calls.
        QCoreApplication::sendPostedEvents();
    }

    static void Type(QWidget *target, const QString &text)
    {
        for (const QChar c : text)
            Key(target, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A, QString(c));
    }

    TDatabase database_;
    std::unique_ptr<TTable> teams;
    std::unique_ptr<TTable> categories;
    TDataSource teamSource;
    TDataSource categorySource;
    MessageRecorder messages;
};
