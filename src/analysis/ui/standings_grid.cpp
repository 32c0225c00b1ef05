#include "analysis/ui/standings_grid.h"

#include "analysis/standings_rows.h"
#include "data/data_module.h"
#include "platform/ui/column_bands.h"

#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace tav::analysis {

namespace {

const char PlaceTitle[] = "α/α";
const char NameTitle[] = "Ομάδα";
const char *const BlockTitles[] = {"  ", "ΣΥΝΟΛΙΚΑ", "ΕΝΤΟΣ ΕΔΡΑΣ", "ΕΚΤΟΣ ΕΔΡΑΣ"};
const char *const BlockColumnTitles[] = {"Β", "Α", "Ν", "Ι", "Η", "ΤΕΡ", "ΔΤ"};
constexpr std::array<int, 7> BlockSectionWidths = {25, 25, 25, 25, 25, 40, 30};
constexpr int PlaceSectionWidth = 34;
constexpr int NameSectionWidth = 154;
// The goals columns ("ΤΕΡ") of the three blocks are centred.
constexpr std::array<int, 3> GoalsColumns = {7, 14, 21};
const QColor ChampionColor{0, 153, 0};

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

TStandingsGridView NewStandingsGrid(QWidget *parent, QVBoxLayout *layout)
{
    TStandingsGridView view;
    view.SGrd = new TStringGrid(parent);
    view.SGrd->SetColCount(StandingsColumnCount);
    view.SGrd->SetFixedCols(0);
    view.SGrd->SetFixedRows(0);
    view.SGrd->SetRowCount(1);
    view.SGrd->SetDefaultDrawing(false);
    SetStandingsColumnWidths(*view.SGrd);

    const int blockColumns = int(BlockSectionWidths.size());
    QList<TColumnBands::TBand> blocks{{Text(BlockTitles[0]), 0, 1}};
    QList<TColumnBands::TBand> titles{{Text(PlaceTitle), 0, 0}, {Text(NameTitle), 1, 1}};
    for (int block = 0; block < 3; ++block) {
        const int first = 2 + block * blockColumns;
        blocks.append({Text(BlockTitles[block + 1]), first, first + blockColumns - 1});
        for (int i = 0; i < blockColumns; ++i)
            titles.append({Text(BlockColumnTitles[i]), first + i, first + i});
    }
    view.HeaderControl1 = new TColumnBands(view.SGrd, parent);
    view.HeaderControl1->SetBands(blocks);
    view.HeaderControl2 = new TColumnBands(view.SGrd, parent);
    view.HeaderControl2->SetBands(titles);

    const int gap = layout->spacing();
    layout->setSpacing(0);
    layout->addSpacing(gap);
    layout->addWidget(view.HeaderControl1);
    layout->addWidget(view.HeaderControl2);
    layout->addWidget(view.SGrd, 1);
    return view;
}

void SetStandingsRow(TStringGrid &grid, int row, const QStringList &cells)
{
    for (int col = 0; col < cells.size(); ++col)
        grid.SetCell(col, row, cells[col]);
}

void SetStandingsColumnWidths(TStringGrid &grid)
{
    grid.SetColWidth(0, PlaceSectionWidth - 2);
    grid.SetColWidth(1, NameSectionWidth - 1);
    for (int col = 2; col < StandingsColumnCount; ++col)
        grid.SetColWidth(col, BlockSectionWidths[std::size_t(col - 2) % BlockSectionWidths.size()] - 1);
}

void DrawStandingsCell(const QString &text, int col, const TRect &rect, TGridDrawState state, TCanvas &canvas,
                       TPlaceMark mark)
{
    int x = rect.Right - canvas.TextWidth(text) - 2;
    if (col == 1)
        x = rect.Left + 2;
    else if (std::find(GoalsColumns.begin(), GoalsColumns.end(), col) != GoalsColumns.end())
        x = rect.Left + (rect.Width() - canvas.TextWidth(text)) / 2 - 2;
    // A selected cell without focus and a focused cell alone keep the grid's colours.
    if (state != TGridDrawState{gdSelected} && state != TGridDrawState{gdFocused}) {
        switch (mark) {
        case TPlaceMark::Promoted:
            canvas.Font.Color = clBlue;
            break;
        case TPlaceMark::Champion:
            canvas.Font.Color = ChampionColor;
            break;
        case TPlaceMark::Relegated:
            canvas.Font.Color = clRed;
            break;
        case TPlaceMark::None:
            break;
        }
    }
    canvas.FillRect(rect);
    canvas.TextOut(x, rect.Top + 2, text);
}

void ShowCategoryCountry(const QVariant &katNo)
{
    TTavrolinDM &dm = TavrolinDM();
    if (katNo.isNull())
        return;
    tav::data::OpenIfClosed(dm.Krath);
    const QVariant country = dm.Kathgories.Lookup(QStringLiteral("KatNo"), {katNo}, QStringLiteral("Kratos"));
    if (!country.isNull())
        dm.Krath.Locate(QStringLiteral("RecNo"), {country});
}

} // namespace tav::analysis
