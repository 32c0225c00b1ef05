#pragma once

#include "platform/ui/db_grid.h"

#include <QIcon>
#include <QList>

class QWidget;
class TDBNavigator;

// What the reference-data editors (seasons, categories, countries, teams) and the unplayed-matches
// window share: their navigator pictures and the way their grids edit.

// The window's own ten navigator pictures, in the order of the navigator's buttons.
QList<QIcon> NavigatorImageList(const QWidget &window);

// Button i of the navigator takes picture i of the list.
void SetNavigatorGlyphs(TDBNavigator &navigator, const QList<QIcon> &images);

// Editing in place with titles, row mark, resizable columns, grid lines, Tab between cells and an
// unchanged new row dropped on leaving; with confirmDelete the grid asks before it deletes.
TDBGridOptions EditorGridOptions(bool confirmDelete);

// Adds a column of the field; an empty caption shows the field's own label, width 0 its own width.
TColumn &AddGridColumn(TDBGrid &grid, const QString &fieldName, const QString &caption, int width = 0);
