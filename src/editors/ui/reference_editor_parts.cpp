#include "editors/ui/reference_editor_parts.h"

#include "platform/db/data_source.h"

#include <QStyle>
#include <QToolButton>
#include <QWidget>

namespace tav::editors {

QList<QIcon> NavigatorImageList(const QWidget &window)
{
    const QStyle *style = window.style();
    QList<QIcon> images;
    for (const QStyle::StandardPixmap picture :
         {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward, QStyle::SP_MediaSeekForward,
          QStyle::SP_MediaSkipForward, QStyle::SP_FileDialogNewFolder, QStyle::SP_TrashIcon,
          QStyle::SP_FileDialogDetailedView, QStyle::SP_DialogApplyButton, QStyle::SP_DialogCancelButton,
          QStyle::SP_BrowserReload})
        images.append(style->standardIcon(picture, nullptr, &window));
    return images;
}

void SetNavigatorGlyphs(TDBNavigator &navigator, const QList<QIcon> &images)
{
    for (int i = 0; i <= int(nbRefresh) && i < images.size(); ++i)
        navigator.Button(TNavigateBtn(i))->setIcon(images.at(i));
}

void LinkEditor(TDataSource &source, TDataSet &table, TDBNavigator &navigator, TButtonSet buttons,
                TDBGrid &grid, const QList<TEditorColumn> &columns, bool confirmDelete)
{
    source.SetDataSet(&table);
    navigator.SetDataSource(&source);
    navigator.SetVisibleButtons(buttons);
    TDBGridOptions options{dgEditing,  dgTitles,   dgIndicator, dgColumnResize,
                           dgColLines, dgRowLines, dgTabs,      dgCancelOnExit};
    if (confirmDelete)
        options.Include(dgConfirmDelete);
    grid.SetOptions(options);
    for (const TEditorColumn &editorColumn : columns) {
        TColumn &column = grid.Columns().Add();
        column.SetFieldName(editorColumn.field);
        column.Title.Caption = editorColumn.caption;
        column.Width = editorColumn.width;
    }
    grid.SetDataSource(&source);
}

} // namespace tav::editors
