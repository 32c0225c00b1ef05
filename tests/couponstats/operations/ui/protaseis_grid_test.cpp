#include "couponstats/operations/ui/protaseis_grid.h"
#include "platform/core/message_recorder.h"
#include "platform/ui/string_grid.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::operations;

namespace {

TEST(ProtaseisGrid, ScoresTheRangeOfTheGridInOneMessage)
{
    TStringGrid grid;
    grid.SetColCount(16);
    grid.SetRowCount(4);
    // Row: proposal, result, odds for 1, X and 2.
    const QStringList rows[] = {
        {"1", "1", "1,80", "3,20", "4,00"},
        {"Χ", "Χ", "2,10", "3,00", "3,30"},
        {"2", "1", "2,50", "3,10", "2,50"},
    };
    for (int row = 1; row <= 3; ++row) {
        const QStringList &cells = rows[row - 1];
        grid.SetCell(15, row, cells[0]);
        grid.SetCell(10, row, cells[1]);
        for (int col = 7; col <= 9; ++col)
            grid.SetCell(col, row, cells[col - 5]);
    }
    MessageRecorder messages;
    ScoreProtaseis(1, grid.RowCount() - 1, 15, 10, 7, 8, 9, grid);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().kind, MessageKind::Message);
    EXPECT_EQ(messages.Last().text,
              "Αγώνες :3  Επιτυχίες 2 από 3 Αποδοση :4,80  160,00%  \r Αθροισμα ΑΠ. : 7,30  "
              "Κόστος Παιχνιδιού : 9,41   Απόδοση : 14,60  Ποσοστό : 155,17 %");
}

} // namespace
