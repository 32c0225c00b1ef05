#pragma once

#include "platform/core/message_recorder.h"
#include "platform/db/db_fixture.h"

#include <QDateTime>

// A database with a table of items for the library's datasets, and the message boxes recorded.
class DataAwareTest : public DbTest
{
protected:
    struct Item
    {
        int id;
        QString name;
        double amount;
        int qty;
        double unitPrice;
        QDateTime stamp;
    };

    void SetUp() override
    {
        DbTest::SetUp();
        Db().CreateTable(
            {"Items",
             {{"Id", TFieldType::ftInteger, 0, false},
              {"Name", TFieldType::ftString, 30, false},
              {"Amount", TFieldType::ftFloat, 0, false},
              {"Qty", TFieldType::ftInteger, 0, false},
              {"Unit Price", TFieldType::ftFloat, 0, false},
              {"Stamp", TFieldType::ftDateTime, 0, false},
              {"Code", TFieldType::ftString, 10, false},
              {"Notes", TFieldType::ftMemo, 0, false}},
             {{"", "Id", ixPrimary}, {"NameInd", "Name", ixCaseInsensitive}, {"CodeCs", "Code", 0}}});
        AddItems({{1, "ABC", 50, 2, 1.5, QDateTime(QDate(2005, 3, 12), QTime(15, 30))},
                  {2, "x", 150, 5, 4, QDateTime(QDate(2005, 3, 13), QTime(9, 0))},
                  {3, "Ολυμπιακός", 200, 7, 2.5, QDateTime(QDate(2006, 1, 2), QTime(0, 0))},
                  {4, "x", 90, 1, 12, QDateTime(QDate(2006, 5, 6), QTime(10, 0))}});
    }

    void AddItems(const QList<Item> &items)
    {
        TTable table;
        table.SetDatabase(&Db());
        table.SetTableName("Items");
        table.Open();
        for (const Item &item : items) {
            table.Append();
            table.FieldByName("Id").SetAsInteger(item.id);
            table.FieldByName("Name").SetAsString(item.name);
            table.FieldByName("Amount").SetAsFloat(item.amount);
            table.FieldByName("Qty").SetAsInteger(item.qty);
            table.FieldByName("Unit Price").SetAsFloat(item.unitPrice);
            table.FieldByName("Stamp").SetAsDateTime(item.stamp);
            table.FieldByName("Code").SetAsString(QStringLiteral("C%1").arg(item.id));
            table.Post();
        }
    }

    static QList<int> Ids(TDataSet &data)
    {
        QList<int> ids;
        for (data.First(); !data.Eof(); data.Next())
            ids.append(data.FieldByName("Id").AsInteger());
        return ids;
    }

    MessageRecorder messages_;
};
