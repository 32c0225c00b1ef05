#pragma once

#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"

#include <QIcon>
#include <QList>

class QWidget;
class TDataSet;
class TDataSource;

namespace tav::editors {

// What the reference-data editors (seasons, categories, countries, teams) and the unplayed-matches
// window share: their navigator pictures and the way their grids edit.

// The window's own ten navigator pictures, in the order of the navigator's buttons.
QList<QIcon> NavigatorImageList(const QWidget &window);

// Button i of the navigator takes picture i of the list.
void SetNavigatorGlyphs(TDBNavigator &navigator, const QList<QIcon> &images);

// A column of an editor's grid: its field, its caption (empty: the field's own label) and its
// width (0: the field's own width).
struct TEditorColumn
{
    QString field;
    QString caption;
    int width = 0;
};

// The editor's data source shows the table; its navigator, with these buttons, and its grid, with
// these columns, move on the source. The grid edits in place with titles, row mark, resizable
// columns, grid lines, Tab between cells and an unchanged new row dropped on leaving; with
// confirmDelete it asks before it deletes.
void LinkEditor(TDataSource &source, TDataSet &table, TDBNavigator &navigator, TButtonSet buttons,
                TDBGrid &grid, const QList<TEditorColumn> &columns, bool confirmDelete);

} // namespace tav::editors
