#pragma once

#include "platform/core/errors.h"
#include "platform/db/schema.h"

#include <QString>

#include <functional>

class TDatabase;

namespace tav::editors {

// A season copy that was refused or failed; nothing of it is stored then.
class ESeasonCopyError : public Exception
{
public:
    using Exception::Exception;
};

// Why the season cannot name a per-season matches table: none chosen, or not of the form 2004,
// 2004-05 or 2004-2005. Empty when it can.
QString SeasonRefusal(const QString &season);

// The per-season matches table of an accepted season: "Agvnes" followed by the season without
// its dash (Agvnes200405 for 2004-05, Agvnes2005 for 2005).
QString SeasonTableName(const QString &season);

// The fields and indexes of a per-season matches table of that name: the fields of the matches
// table, the matchday required, the matches numbered by the table itself.
TTableDef SeasonTableDef(const QString &tableName);

struct TSeasonCopyResult
{
    QString TableName;
    bool Created = false;
    int Inserted = 0;
    int Updated = 0;
};

// Copies every match of the season's competitions into the season's own matches table, creating
// it with its fields and indexes when it is missing. A match already there (same competition,
// matchday, home and away team) is updated, any other added; rows of the table that are no longer
// matches stay. Progress is told (rows done, rows in all) after every match. The whole copy is one
// transaction: a refused season or a match that cannot be stored raises ESeasonCopyError with the
// reason (naming the match) and leaves the database as it was, the table not created.
TSeasonCopyResult CopySeasonMatches(TDatabase &database, const QString &season,
                                    const std::function<void(int done, int total)> &progress = {});

} // namespace tav::editors
