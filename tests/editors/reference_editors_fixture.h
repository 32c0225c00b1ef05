#pragma once

#include "data/data_module.h"
#include "platform/db/alias_store.h"
#include "platform/db/database.h"
#include "platform/ui/message_recorder.h"
#include "support/test_environment.h"

#include <QImage>
#include <QImageWriter>

#include <gtest/gtest.h>

// The program's data module on a fresh data folder, the tables open as the main window leaves
// them, and the message boxes recorded (a box answers with its default button unless an answer is
// queued). Reference data goes in through the module's tables, so its rules fill what they fill
// for the user.
class ReferenceEditorsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AliasStore().Add(
            {"Tavrolin", "PARADOX",
             "PATH:\"" + CurrentTestFolders().ProgramHome() + "/Data\";DEFAULT DRIVER:\"PARADOX\""});
        for (TTable *table : Tables())
            table->Open();
    }

    void TearDown() override
    {
        // The module outlives the test when the tests share one process.
        Dm().DShowQuery.Close();
        for (TTable *table : Tables()) {
            if (table->State() == TDataSetState::dsEdit || table->State() == TDataSetState::dsInsert)
                table->Cancel();
            table->SetFiltered(false);
            table->SetFilter(QString());
            table->Close();
        }
        Dm().TyposKathg.Close();
        Dm().TavrolinDb.Close();
    }

    static TTavrolinDM &Dm() { return TavrolinDM(); }
    static QList<TTable *> Tables()
    {
        TTavrolinDM &dm = TavrolinDM();
        return {&dm.Krath,        &dm.Kathgories, &dm.Periodos, &dm.Omades,
                &dm.Diorganvseis, &dm.POmades,    &dm.Agvnes};
    }

    static int AddCountry(const QString &name)
    {
        Post(Dm().Krath, {{"Name", name}});
        return Dm().Krath.FieldByName("RecNo").AsInteger();
    }

    static void AddSeason(const QString &season) { Post(Dm().Periodos, {{"Periodos", season}}); }

    static int AddCategory(const QString &name, int country)
    {
        Post(Dm().Kathgories, {{"GrName", name}, {"Kratos", country}, {"Typos", 0}});
        return Dm().Kathgories.FieldByName("KatNo").AsInteger();
    }

    // A league of the category in the season; its DNo.
    static int AddCompetition(int katNo, const QString &season, int teams)
    {
        if (!Dm().Periodos.Locate("Periodos", {season}))
            AddSeason(season);
        EXPECT_TRUE(Dm().Kathgories.Locate("KatNo", {katNo}));
        Post(Dm().Diorganvseis, {{"KatNo", katNo},
                                 {"Periodos", season},
                                 {"Omades", teams},
                                 {"Nikh", 3},
                                 {"Isop", 1},
                                 {"Htta", 0},
                                 {"Rounds", 2},
                                 {"Typos", 0}});
        return Dm().Diorganvseis.FieldByName("DNo").AsInteger();
    }

    // A team of the country, stored as the team editor stores it; its TeamNo.
    static int AddTeam(int country, const QString &name, const QString &enName)
    {
        EXPECT_TRUE(Dm().Krath.Locate("RecNo", {country}));
        Dm().Omades.SetFilter(QString("KratosNo = %1").arg(country));
        Dm().Omades.SetFiltered(true);
        Post(Dm().Omades, {{"Name", name}, {"EnName", enName}});
        return Dm().Omades.FieldByName("TeamNo").AsInteger();
    }

    // The team taking part in the competition; the RecNo of its competition team.
    static int AddCompetitionTeam(int dNo, int teamNo)
    {
        EXPECT_TRUE(Dm().Diorganvseis.Locate("DNo", {dNo}));
        Dm().Omades.SetFiltered(false);
        EXPECT_TRUE(Dm().Omades.Locate("TeamNo", {teamNo}));
        Post(Dm().POmades, {{"TeamNo", teamNo}});
        return Dm().POmades.FieldByName("RecNo").AsInteger();
    }

    // A match of the competition; its GameNo.
    static int AddMatch(int dNo, int day, int home, int away, const QDate &date, QVariant homeGoals = {},
                        QVariant awayGoals = {})
    {
        Post(Dm().Agvnes, {{"DiorgNo", dNo},
                           {"Agvnistikh", day},
                           {"Ghpedoyxos", home},
                           {"Filojenoymenh", away},
                           {"Omilos", 0},
                           {"Date", date},
                           {"TelGGoals", homeGoals},
                           {"TelFGoals", awayGoals}});
        return Dm().Agvnes.FieldByName("GameNo").AsInteger();
    }

    static void Post(TDataSet &data, const QList<std::pair<QString, QVariant>> &values)
    {
        ASSERT_TRUE(data.Append());
        for (const auto &[name, value] : values)
            data.FieldByName(name).SetValue(value);
        ASSERT_TRUE(data.Post()) << data.DisplayTableName().toStdString();
    }

    // The rows a statement returns, read straight from the database file.
    static QList<QVariantList> Rows(const QString &sql, const QVariantList &values = {})
    {
        DbConnection::Lease statement = Dm().TavrolinDb.Connection().Statement(sql);
        statement->BindAll(values);
        QList<QVariantList> rows;
        while (statement->Step()) {
            QVariantList row;
            for (int column = 0; column < statement->ColumnCount(); ++column)
                row.append(statement->Value(column));
            rows.append(row);
        }
        return rows;
    }

    static int Count(const QString &sql, const QVariantList &values = {})
    {
        return Rows(sql, values).value(0).value(0).toInt();
    }

    // A small picture file of the format, in the test's folder.
    static QString PictureFile(const QString &baseName, const QByteArray &format, QColor colour = Qt::blue)
    {
        QImage image(16, 12, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = CurrentTestFolders().Root() + "/" + baseName + "." + QString::fromLatin1(format);
        QImageWriter writer(path, format);
        EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
        return path;
    }

    MessageRecorder messages_;
};
