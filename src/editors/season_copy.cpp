#include "editors/season_copy.h"

#include "platform/core/format.h"
#include "platform/db/database.h"
#include "platform/db/sqlite_statement.h"

#include <QDate>
#include <QRegularExpression>

#include <iterator>

namespace tav::editors {

namespace {

const QString kTablePrefix = QStringLiteral("Agvnes");
const QString kNoSeason = QStringLiteral("Δεν επιλέξατε περίοδο.\n"
                                         "Επιλέξτε την περίοδο των αγώνων που θα μεταφερθούν.");
const QString kBadSeason = QStringLiteral("Η περίοδος \"%1\" δεν μπορεί να δώσει όνομα σε αρχείο αγώνων.\n"
                                          "Δεκτές μορφές περιόδου: 2004, 2004-05 ή 2004-2005.");
const QString kRowFailed = QStringLiteral("Η μεταφορά ακυρώθηκε και δεν αποθηκεύτηκε καμία εγγραφή.\n"
                                          "Ο αγώνας %1 δεν αποθηκεύτηκε:\n%2");
const QString kMatch = QStringLiteral("%1 %2, αγωνιστική %3, %4 - %5, %6");
const QString kNoMatchday = QStringLiteral("(κενή)");

constexpr auto Int = TFieldType::ftInteger;
constexpr auto Small = TFieldType::ftSmallint;

// The fields copied, in the order of the reading statement; the table numbers its own matches.
const char *const kCopied[] = {"DiorgNo",  "Agvnistikh", "Ghpedoyxos", "Filojenoymenh", "Omilos",  "HmGGoals",
                               "HmFGoals", "TelGGoals",  "TelFGoals",  "Date",          "GTeamNo", "FTeamNo",
                               "Time",     "OPAPAr",     "AP1",        "APX",           "AP2"};
constexpr int kCopiedCount = int(std::size(kCopied));
// The first four copied fields say which match a row is.
constexpr int kKeyCount = 4;
enum TNameColumn
{
    kCategoryColumn = kCopiedCount,
    kHomeColumn,
    kAwayColumn,
};
constexpr int kMatchdayColumn = 1;
constexpr int kDateColumn = 9;

// The season's matches with the names that tell the user which match is which.
const QString kSeasonMatchesSql =
    QStringLiteral(R"(SELECT %1, "K"."GrName", "H"."GrName", "F"."GrName" FROM "Agvnes" "A" )"
                   R"(JOIN "Diorganvseis" "D" ON "D"."DNo" = "A"."DiorgNo" )"
                   R"(LEFT JOIN "Kathgories" "K" ON "K"."KatNo" = "D"."KatNo" )"
                   R"(LEFT JOIN "PerOmades" "H" ON "H"."RecNo" = "A"."Ghpedoyxos" )"
                   R"(LEFT JOIN "PerOmades" "F" ON "F"."RecNo" = "A"."Filojenoymenh" )"
                   R"(WHERE "D"."Periodos" = ?1 )"
                   R"(ORDER BY "A"."DiorgNo", "A"."Agvnistikh", "A"."Omilos", "A"."Date", "A"."GameNo")");

QString Columns(const QString &alias)
{
    QStringList columns;
    for (const char *field : kCopied)
        columns.append(alias + QuoteIdentifier(QString::fromLatin1(field)));
    return columns.join(QStringLiteral(", "));
}

// Statements on the per-season table: the row of a match (an empty key value matches an empty
// field), its update by row id, and a new row.
struct TTargetStatements
{
    explicit TTargetStatements(const QString &tableName)
    {
        const QString table = QuoteIdentifier(tableName);
        QStringList key;
        QStringList assignments;
        QStringList places;
        for (int i = 0; i < kCopiedCount; ++i) {
            const QString column = QuoteIdentifier(QString::fromLatin1(kCopied[i]));
            if (i < kKeyCount)
                key.append(QStringLiteral("%1 IS ?%2").arg(column).arg(i + 1));
            assignments.append(QStringLiteral("%1 = ?%2").arg(column).arg(i + 1));
            places.append(QStringLiteral("?%1").arg(i + 1));
        }
        find = QStringLiteral("SELECT rowid FROM %1 WHERE %2 LIMIT 1")
                   .arg(table, key.join(QStringLiteral(" AND ")));
        update = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                     .arg(table, assignments.join(QStringLiteral(", ")))
                     .arg(kCopiedCount + 1);
        insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                     .arg(table, Columns(QString()), places.join(QStringLiteral(", ")));
    }
    QString find;
    QString update;
    QString insert;
};

QList<QVariantList> SeasonMatches(DbConnection &connection, const QString &season)
{
    DbConnection::Lease statement =
        connection.Statement(kSeasonMatchesSql.arg(Columns(QStringLiteral("\"A\"."))));
    statement->Bind(1, season);
    return statement->AllRows();
}

QString DescribeMatch(const QVariantList &row, const QString &season)
{
    const QVariant matchday = row.at(kMatchdayColumn);
    const QDate date = QDate::fromString(row.at(kDateColumn).toString(), Qt::ISODate);
    return kMatch.arg(row.at(kCategoryColumn).toString(), season,
                      matchday.isNull() ? kNoMatchday : matchday.toString(), row.at(kHomeColumn).toString(),
                      row.at(kAwayColumn).toString(), DateToStr(date));
}

// Stores one match; true when it was already in the table. Raises the engine's error worded for
// the user.
bool StoreMatch(DbConnection &connection, const TTargetStatements &sql, const QString &tableName,
                const QVariantList &row)
{
    const QVariantList values = row.mid(0, kCopiedCount);
    try {
        DbConnection::Lease find = connection.Statement(sql.find);
        find->BindAll(values.mid(0, kKeyCount));
        if (find->Step()) {
            const qint64 rowId = find->Int64(0);
            find->Reset();
            DbConnection::Lease update = connection.Statement(sql.update);
            update->BindAll(values);
            update->Bind(kCopiedCount + 1, rowId);
            update->Execute();
            return true;
        }
        DbConnection::Lease insert = connection.Statement(sql.insert);
        insert->BindAll(values);
        insert->Execute();
        return false;
    } catch (const EDBEngineError &error) {
        RaiseWriteError(error, tableName);
    }
}

} // namespace

QString SeasonRefusal(const QString &season)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{4}(-([0-9]{2}|[0-9]{4}))?$"));
    if (season.trimmed().isEmpty())
        return kNoSeason;
    if (!form.match(season).hasMatch())
        return kBadSeason.arg(season);
    return QString();
}

QString SeasonTableName(const QString &season)
{
    return kTablePrefix + QString(season).remove(QLatin1Char('-'));
}

TTableDef SeasonTableDef(const QString &tableName)
{
    constexpr auto Float = TFieldType::ftFloat;
    return {tableName,
            {{"DiorgNo", Int},
             {"Agvnistikh", Small, 0, true},
             {"Ghpedoyxos", Int},
             {"Filojenoymenh", Int},
             {"Omilos", Small},
             {"GameNo", TFieldType::ftAutoInc},
             {"HmGGoals", Small},
             {"HmFGoals", Small},
             {"TelGGoals", Small},
             {"TelFGoals", Small},
             {"Date", TFieldType::ftDate},
             {"GteamNo", Int},
             {"FteamNo", Int},
             {"Time", TFieldType::ftTime},
             {"OPAPAr", Int},
             {"AP1", Float},
             {"APX", Float},
             {"AP2", Float}},
            {{"", "DiorgNo;Agvnistikh;Ghpedoyxos;Filojenoymenh;Omilos", ixPrimary},
             {"AutoEnhm1", "DiorgNo;Agvnistikh;Ghpedoyxos;Filojenoymenh", 0},
             {"EnhmInd", "DiorgNo;Ghpedoyxos;Filojenoymenh", 0},
             {"GamenoInd", "GameNo", ixCaseInsensitive},
             {"MainInd", "DiorgNo;Agvnistikh;omilos;Date", 0},
             {"DiorgDateInd", "DiorgNo;Date", 0},
             {"DateInd", "Date", ixCaseInsensitive},
             {"GTeamDate", "GTeamNo;Date", 0},
             {"FTeamDate", "FTeamNo;Date", 0},
             {"GNoFNoDateInd", "GteamNo;FTeamNo;date", 0}}};
}

TSeasonCopyResult CopySeasonMatches(TDatabase &database, const QString &season,
                                    const std::function<void(int, int)> &progress)
{
    if (const QString refusal = SeasonRefusal(season); !refusal.isEmpty())
        throw ESeasonCopyError(refusal);
    TSeasonCopyResult result;
    result.TableName = SeasonTableName(season);
    DbConnection &connection = database.Connection();
    TransactionGuard transaction(connection);
    if (!connection.TableExists(result.TableName)) {
        connection.CreateTable(SeasonTableDef(result.TableName));
        result.Created = true;
    }
    const QList<QVariantList> rows = SeasonMatches(connection, season);
    const TTargetStatements sql(result.TableName);
    for (int done = 0; done < rows.size(); ++done) {
        const QVariantList &row = rows.at(done);
        try {
            ++(StoreMatch(connection, sql, result.TableName, row) ? result.Updated : result.Inserted);
        } catch (const EDatabaseError &error) {
            throw ESeasonCopyError(kRowFailed.arg(DescribeMatch(row, season), error.Message()));
        }
        if (progress)
            progress(done + 1, int(rows.size()));
    }
    transaction.Commit();
    return result;
}

} // namespace tav::editors
