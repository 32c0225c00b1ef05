#pragma once

#include "platform/db/dataset.h"

#include <vector>

namespace tav::analysis {

// Every row of an open dataset read into a vector, the cursor put back where it stood and the
// controls left as they were, whatever happens; a closed dataset gives none.
template <typename Row, typename ReadRow> std::vector<Row> CollectRows(TDataSet &rows, ReadRow readRow)
{
    std::vector<Row> collected;
    if (!rows.Active())
        return collected;
    const TBookmark place = rows.GetBookmark();
    rows.DisableControls();
    try {
        for (rows.First(); !rows.Eof(); rows.Next())
            collected.push_back(readRow(rows));
        if (place.IsValid() && rows.BookmarkValid(place))
            rows.GotoBookmark(place);
    } catch (...) {
        rows.EnableControls();
        throw;
    }
    rows.EnableControls();
    return collected;
}

} // namespace tav::analysis
