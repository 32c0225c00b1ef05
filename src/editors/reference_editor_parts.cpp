#include "editors/reference_editor_parts.h"

#include "platform/ui/db_navigator.h"

#include <QStyle>
#include <QToolButton>
#include <QWidget>

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

TDBGridOptions EditorGridOptions(bool confirmDelete)
{
    TDBGridOptions options{dgEditing,  dgTitles,   dgIndicator, dgColumnResize,
                           dgColLines, dgRowLines, dgTabs,      dgCancelOnExit};
    if (confirmDelete)
        options.Include(dgConfirmDelete);
    return options;
}

TColumn &AddGridColumn(TDBGrid &grid, const QString &fieldName, const QString &caption, int width)
{
    TColumn &column = grid.Columns().Add();
    column.SetFieldName(fieldName);
    column.Title.Caption = caption;
    column.Width = width;
    return column;
}
