#include "editors/agvn_util_engine.h"

#include "platform/db/database.h"

#include <QRegularExpression>
#include <QSet>

namespace tav::editors {

namespace {

// A club may have several rows (one per English spelling of its name), all with the same name:
// any of them gives the club's name.
const QString kMismatchedSql = QStringLiteral(
    R"(SELECT DISTINCT "A"."DiorgNo" FROM "Agvnes" "A" )"
    R"(LEFT JOIN "PerOmades" "H" ON "H"."RecNo" = "A"."Ghpedoyxos" AND "H"."DiorNo" = "A"."DiorgNo" )"
    R"(LEFT JOIN "PerOmades" "F" ON "F"."RecNo" = "A"."Filojenoymenh" AND "F"."DiorNo" = "A"."DiorgNo" )"
    R"(WHERE "A"."DiorgNo" IS NOT NULL AND ()"
    R"(ifnull("H"."GrName", '') <> )"
    R"(ifnull((SELECT "O"."Name" FROM "Omades" "O" WHERE "O"."TeamNo" = "A"."GTeamNo" LIMIT 1), '') OR )"
    R"(ifnull("F"."GrName", '') <> )"
    R"(ifnull((SELECT "O"."Name" FROM "Omades" "O" WHERE "O"."TeamNo" = "A"."FTeamNo" LIMIT 1), '')) )"
    R"(ORDER BY 1)");
const QString kCompetitionSql =
    QStringLiteral(R"(SELECT "DNo" FROM "Diorganvseis" WHERE "KatNo" = ?1 AND "Periodos" = ?2 LIMIT 1)");
const QString kFilterTerm = QStringLiteral("DiorgNo=%1");
const QString kOr = QStringLiteral(" OR ");

QSet<int> ListedCompetitions(const QString &filter)
{
    static const QRegularExpression term(QStringLiteral(R"(\bDiorgNo\s*=\s*(\d+)\b)"),
                                         QRegularExpression::CaseInsensitiveOption);
    QSet<int> listed;
    for (const QRegularExpressionMatch &match : term.globalMatch(filter))
        listed.insert(match.captured(1).toInt());
    return listed;
}

} // namespace

QList<int> CompetitionsWithMismatchedNames(TDatabase &database)
{
    DbConnection::Lease statement = database.Connection().Statement(kMismatchedSql);
    QList<int> competitions;
    while (statement->Step())
        competitions.append(int(statement->Int64(0)));
    return competitions;
}

QString CompetitionFilter(int dNo)
{
    return kFilterTerm.arg(dNo);
}

QString AddCompetitionsToFilter(const QString &filter, const QList<int> &competitions)
{
    QSet<int> listed = ListedCompetitions(filter);
    QString extended = filter;
    for (const int dNo : competitions) {
        if (listed.contains(dNo))
            continue;
        listed.insert(dNo);
        extended += extended.isEmpty() ? CompetitionFilter(dNo) : kOr + CompetitionFilter(dNo);
    }
    return extended;
}

std::optional<int> CompetitionOf(TDatabase &database, const QVariant &katNo, const QString &season)
{
    DbConnection::Lease statement = database.Connection().Statement(kCompetitionSql);
    statement->BindAll({katNo, season});
    if (!statement->Step())
        return std::nullopt;
    return int(statement->Int64(0));
}

} // namespace tav::editors
