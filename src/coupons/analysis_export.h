#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The export of the coupon analysis grid (row 0 the titles, the columns of analysis_grid.h) into
// the table AnalKoup of the outside database "AccAnalKoup", an alias of the database engine set
// up outside the program. The program creates neither the database nor the table.
namespace tav::coupons {

// The coupon key: the caption of the screen's date group box (the chosen coupon file's name) up
// to its first "_"; empty when it holds none.
QString AnalysisExportKey(const QString &groupCaption);

// Replaces the coupon's rows of AnalKoup by one row per grid row: the delete and every insert run
// in one transaction, so an error (a missing alias or table, a date or time cell that is none, a
// value the table refuses) leaves the rows stored before as they were and is shown in Greek.
// An empty key is refused before anything is touched. Cells are handed to the fields as text and
// converted by the field's type; an empty optional cell leaves its field empty. Returns whether
// the rows were stored; a success shows nothing.
bool ExportAnalysisGrid(const QString &groupCaption, const QList<QStringList> &grid);

} // namespace tav::coupons
