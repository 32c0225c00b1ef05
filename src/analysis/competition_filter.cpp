#include "analysis/competition_filter.h"

#include "data/data_module.h"
#include "platform/core/paths.h"
#include "platform/core/text_file.h"
#include "platform/db/sqlite_statement.h"

#include <QFile>

namespace tav::analysis {

namespace {

const char CategorySql[] = "SELECT KatNo FROM Kathgories WHERE GrName = ?1 ORDER BY KatNo LIMIT 1";
const char CompetitionSql[] =
    "SELECT DNo FROM Diorganvseis WHERE Periodos = ?1 AND KatNo = ?2 ORDER BY DNo LIMIT 1";

} // namespace

std::set<int> BuildCompetitionFilter(TTavrolinDM &dm, const QStringList &categories,
                                     const QStringList &seasons)
{
    DbConnection &connection = dm.TavrolinDb.Connection();
    DbConnection::Lease category = connection.Statement(QString::fromUtf8(CategorySql));
    DbConnection::Lease competition = connection.Statement(QString::fromUtf8(CompetitionSql));
    std::set<int> chosen;
    for (const QString &name : categories) {
        category->Bind(1, name);
        const bool known = category->Step();
        const int katNo = known ? static_cast<int>(category->Int64(0)) : 0;
        category->Reset();
        if (!known)
            continue;
        for (const QString &season : seasons) {
            competition->BindAll({season, katNo});
            if (competition->Step())
                chosen.insert(static_cast<int>(competition->Int64(0)));
            competition->Reset();
        }
    }
    return chosen;
}

QString TCheckListMemory::Path() const
{
    return JoinPath(ProgramFolder(), fileName_);
}

QList<int> TCheckListMemory::TickedRows(const QStringList &items) const
{
    QList<int> rows;
    if (!QFile::exists(Path()))
        return rows;
    const QStringList names = ReadTextLines(Path());
    for (int row = 0; row < items.size(); ++row) {
        if (names.contains(items[row], Qt::CaseInsensitive))
            rows.append(row);
    }
    return rows;
}

void TCheckListMemory::Save(const QStringList &ticked) const
{
    WriteTextLines(Path(), ticked);
}

} // namespace tav::analysis
