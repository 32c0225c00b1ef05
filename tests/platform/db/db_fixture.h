#pragma once

#include "platform/db/database.h"
#include "platform/db/table.h"
#include "support/test_database.h"

#include <gtest/gtest.h>

#include <memory>

// A fresh local database per test: the alias "Tavrolin" points at a Data folder of the test's
// program folder, and a few tables in the shape of the program's own are created on demand.
class DbTest : public testing::Test
{
protected:
    void SetUp() override
    {
        dataFolder_ = TestDataFolder();
        RegisterTestAlias();
        database_ = std::make_unique<TDatabase>();
        database_->SetAliasName("Tavrolin");
        database_->Open();
    }

    TDatabase &Db() { return *database_; }
    QString DataFolder() const { return dataFolder_; }

    // Periodos: seasons, newest first through IDX_Periodos.
    void CreatePeriodos()
    {
        Db().CreateTable(
            {"Periodos",
             {{"Periodos", TFieldType::ftString, 10, false}},
             {{"", "Periodos", ixPrimary}, {"IDX_Periodos", "Periodos", ixDescending | ixCaseInsensitive}}});
    }

    // Krath: countries, an autoincrement RecNo outside a composite primary key.
    void CreateKrath()
    {
        Db().CreateTable(
            {"Krath",
             {{"RecNo", TFieldType::ftAutoInc, 0, false},
              {"Name", TFieldType::ftString, 50, false},
              {"Kode", TFieldType::ftString, 2, false},
              {"Nomisma", TFieldType::ftString, 3, false},
              {"Flag", TFieldType::ftGraphic, 0, false}},
             {{"", "RecNo;Name;Kode;Nomisma", ixPrimary}, {"NameInd", "Name", ixCaseInsensitive}}});
    }

    // Diorganvseis: competitions with required fields and a unique descending index.
    void CreateDiorganvseis()
    {
        Db().CreateTable({"Diorganvseis",
                          {{"DNo", TFieldType::ftAutoInc, 0, false},
                           {"KatNo", TFieldType::ftInteger, 0, true},
                           {"Periodos", TFieldType::ftString, 10, true},
                           {"Omades", TFieldType::ftSmallint, 0, true},
                           {"Typos", TFieldType::ftSmallint, 0, false},
                           {"KratosNo", TFieldType::ftInteger, 0, false}},
                          {{"", "DNo", ixPrimary},
                           {"PerKatInd", "Periodos;KatNo", ixUnique | ixDescending | ixCaseInsensitive}}});
    }

    // PerOmades: the teams of a competition (detail of Diorganvseis).
    void CreatePerOmades()
    {
        Db().CreateTable({"PerOmades",
                          {{"RecNo", TFieldType::ftAutoInc, 0, false},
                           {"TeamNo", TFieldType::ftInteger, 0, false},
                           {"DiorNo", TFieldType::ftInteger, 0, false},
                           {"GrName", TFieldType::ftString, 30, false},
                           {"EnName", TFieldType::ftString, 30, false}},
                          {{"", "RecNo", ixPrimary},
                           {"diar", "DiorNo;RecNo", ixCaseInsensitive},
                           {"DiorNameInd", "DiorNo;GrName", 0},
                           {"DiorNo", "DiorNo", 0}}});
    }

    // Agvnes: matches, keyed by competition, matchday, home, away and group.
    void CreateAgvnes()
    {
        Db().CreateTable({"Agvnes",
                          {{"DiorgNo", TFieldType::ftInteger, 0, false},
                           {"Agvnistikh", TFieldType::ftSmallint, 0, false},
                           {"Ghpedoyxos", TFieldType::ftInteger, 0, false},
                           {"Filojenoymenh", TFieldType::ftInteger, 0, false},
                           {"Omilos", TFieldType::ftSmallint, 0, false},
                           {"GameNo", TFieldType::ftAutoInc, 0, false},
                           {"TelGGoals", TFieldType::ftSmallint, 0, false},
                           {"TelFGoals", TFieldType::ftSmallint, 0, false},
                           {"Date", TFieldType::ftDate, 0, false},
                           {"Time", TFieldType::ftTime, 0, false},
                           {"AP1", TFieldType::ftFloat, 0, false}},
                          {{"", "DiorgNo;Agvnistikh;Ghpedoyxos;Filojenoymenh;Omilos", ixPrimary | ixUnique},
                           {"MainInd", "DiorgNo;Agvnistikh;Omilos;Date", ixCaseInsensitive},
                           {"DateInd", "Date", ixCaseInsensitive}}});
    }

    // Appends one record through a table, field by field.
    static void AppendRecord(TTable &table, const QList<std::pair<QString, QVariant>> &values)
    {
        ASSERT_TRUE(table.Append());
        for (const auto &[name, value] : values)
            table.FieldByName(name).SetValue(value);
        ASSERT_TRUE(table.Post());
    }

    void AddMatch(TTable &agvnes, int diorg, int day, int home, int away, QVariant date = QDate(2004, 9, 1))
    {
        AppendRecord(agvnes, {{"DiorgNo", diorg},
                              {"Agvnistikh", day},
                              {"Ghpedoyxos", home},
                              {"Filojenoymenh", away},
                              {"Omilos", 0},
                              {"Date", date}});
    }

    std::unique_ptr<TTable> OpenTable(const QString &name, const QString &index = QString())
    {
        auto table = std::make_unique<TTable>();
        table->SetDatabase(&Db());
        table->SetTableName(name);
        if (!index.isEmpty())
            table->SetIndexName(index);
        table->Open();
        return table;
    }

    // The values of one field over the whole view, in order.
    static QVariantList Column(TDataSet &data, const QString &field)
    {
        QVariantList values;
        data.First();
        while (!data.Eof()) {
            values.append(data.FieldByName(field).Value());
            data.Next();
        }
        return values;
    }

private:
    QString dataFolder_;
    std::unique_ptr<TDatabase> database_;
};
