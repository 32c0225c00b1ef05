#include "controls/formulagrid/fg_math_parser.h"
#include "controls/formulagrid/fg_string_grid.h"
#include "controls/formulagrid/fg_string_grid_formule_form.h"
#include "platform/core/message_recorder.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FormulaTest : public testing::Test
{
protected:
    FormulaTest()
    {
        grid.SetColCount(7);
        grid.SetRowCount(5);
        grid.resize(600, 300);
    }

    MessageRecorder messages;
    TfgStringGrid grid;
};

// Every formula goes into cell (1, 1) alone and is recalculated; an error shows its message and
// leaves 0.
TEST_F(FormulaTest, TheLanguageThroughRecalculation)
{
    const struct
    {
        const char *formula;
        double value;
        bool error;
    } cases[] = {
        {"=2^3^2", 512, false},    {"=7 MOD 3*2", 2, false},
        {"=2*3 MOD 4", 0, true},   {"=-2^2", 0, false},
        {"=2^-1", 0.5, false},     {"=--2", 0, true},
        {"=.5+1", 1.5, false},     {"=1.2.3", 0, true},
        {"=1/0", 0, false},        {"=ROUND(2.5)", 2, false},
        {"=round(3.5)", 4, false}, {"=TRUNC(-2.7)", -2, false},
        {"=rate", 0, true},        {"=1+2*3-4/2", 5, false},
        {"=10-4-3", 3, false},     {"=SQRT(16)+SQR(3)", 13, false},
        {"=LN(0)", 0, false},      {"=2*pi", 2 * 3.14159265358979, false},
        {"=MODE(7)", 0, true},     {"=(1+2)*(3", 0, true},
        {"=ABS 3", 0, true},       {"=1E2+1", 101, false},
        {"=r99c1", 0, true},
    };
    for (const auto &c : cases) {
        grid.SetCell(1, 1, QString());
        grid.Recalculate();
        messages.Clear();
        grid.SetCell(1, 1, QString::fromLatin1(c.formula));
        grid.Recalculate();
        EXPECT_NEAR(double(grid.CellValue(1, 1)), c.value, 1e-9) << c.formula;
        EXPECT_EQ(messages.Count(), c.error ? 1 : 0) << c.formula;
        if (c.error && messages.Count() == 1) {
            EXPECT_EQ(messages.Last().text, "Error in: " + QString::fromLatin1(c.formula).mid(1));
        }
    }
}

TEST(FgMathParser, ErrorCodesAndPositions)
{
    const struct
    {
        QString expression;
        int code;
        int position;
    } cases[] = {
        {"1.2.3", 7, 1},     {QString(15, u'(') + "1" + QString(15, u')'), 1, 0},
        {"2*3 MOD 4", 4, 5}, {"--2", 3, 2},
        {"SIN 1", 5, 5},     {"(1 2)", 6, 4},
        {"1+", 3, 3},        {"3 MOD 2", 0, 0},
    };
    for (const auto &c : cases) {
        TfgMathParser parser;
        int raised = 0;
        parser.OnParseError = [&raised](int code) { raised = code; };
        parser.ParseString = c.expression;
        parser.Evaluate();
        EXPECT_EQ(parser.ErrorCode, c.code) << c.expression.toStdString();
        EXPECT_EQ(raised, c.code) << c.expression.toStdString();
        EXPECT_EQ(parser.HasError, c.code != 0) << c.expression.toStdString();
        if (c.position > 0) {
            EXPECT_EQ(parser.ErrorPosition, c.position) << c.expression.toStdString();
        }
    }
}

TEST(FgMathParser, NamesComeFromTheHandlerAndMathFailuresAreQuiet)
{
    TfgMathParser parser;
    int raised = 0;
    parser.OnParseError = [&raised](int code) { raised = code; };
    parser.OnGetVar = [](const QString &name, long double &value, bool &found) {
        found = name == "Rate_2";
        value = 4;
    };
    parser.ParseString = "Rate_2 * 2 + 14 MOD 4";
    parser.Evaluate();
    EXPECT_FALSE(parser.HasError);
    EXPECT_EQ(double(parser.ResultValue), 10);
    parser.ParseString = "LN(-1) + 1";
    parser.Evaluate();
    EXPECT_TRUE(parser.HasError);
    EXPECT_EQ(parser.ErrorCode, 0);
    EXPECT_EQ(raised, 0);
    EXPECT_EQ(double(parser.ResultValue), 0);
}

TEST_F(FormulaTest, ReferencesAggregatesAndTheOrderOfEvaluation)
{
    grid.SetCell(1, 1, "1");
    grid.SetCell(2, 1, "2,5");
    grid.SetCell(3, 1, "=r1c1*2");
    grid.SetCell(4, 1, "=sumrow");
    grid.SetCell(5, 1, "=c1r1 + r1c1");
    grid.SetCell(1, 2, "=c1r3"); // reads the formula below it as it was
    grid.SetCell(1, 3, "=7");
    grid.SetCell(2, 2, "-3");
    grid.SetCell(2, 3, "-1");
    grid.SetCell(6, 1, "-4");
    grid.SetCell(6, 2, "-3");
    grid.SetCell(6, 3, "-1");
    grid.SetCell(6, 4, "=maxcol");
    grid.SetCell(3, 4, "=mincol");
    grid.SetCell(4, 4, "=avgcol");
    grid.Recalculate();
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(double(grid.CellValue(3, 1)), 2);
    EXPECT_EQ(double(grid.CellValue(4, 1)), 5.5);
    EXPECT_EQ(double(grid.CellValue(5, 1)), 2);
    EXPECT_EQ(double(grid.CellValue(1, 2)), 0);
    grid.Recalculate();
    EXPECT_EQ(double(grid.CellValue(1, 2)), 7);
    EXPECT_EQ(double(grid.CellValue(6, 4)), -1); // starts from the first value, not from 0
    EXPECT_EQ(double(grid.CellValue(3, 4)), 0);
    EXPECT_EQ(double(grid.CellValue(4, 4)), 5.5 / 3);
}

TEST_F(FormulaTest, AnErrorStopsWithTheCursorOnItsCellAndLaterCellsUnchanged)
{
    grid.SetCell(1, 1, "=1");
    grid.SetCell(2, 2, "=5");
    grid.Recalculate();
    grid.SetCell(1, 1, "=2");
    grid.SetCell(3, 1, "=1+");
    grid.SetCell(2, 2, "=6");
    grid.Recalculate();
    EXPECT_EQ(messages.Texts(), QStringList{"Error in: 1+"});
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(double(grid.CellValue(1, 1)), 2);
    EXPECT_EQ(double(grid.CellValue(2, 2)), 5);
}

TEST_F(FormulaTest, ShownValuesPaintInRed)
{
    grid.SetCell(2, 1, "=1+2");
    grid.SetShowValues(true);
    bool isNumber = true;
    EXPECT_EQ(grid.DisplayText(2, 1, isNumber), "3,00");
    EXPECT_FALSE(isNumber);
    const QImage picture = grid.viewport()->grab().toImage();
    const QRect cell = grid.CellRect(2, 1).ToQRect();
    int red = 0;
    for (int x = cell.left(); x < cell.right(); ++x)
        for (int y = cell.top(); y < cell.bottom(); ++y)
            if (picture.pixelColor(x, y).red() > 200 && picture.pixelColor(x, y).green() < 80)
                ++red;
    EXPECT_GT(red, 0);
    grid.SetNumbersalRight(true);
    grid.DisplayText(2, 1, isNumber);
    EXPECT_TRUE(isNumber);
}

TEST_F(FormulaTest, TheEditorTakesClickedCellsAndApplies)
{
    grid.SetCell(1, 2, "4");
    grid.show();
    ASSERT_TRUE(grid.FocusCell(2, 1));
    QTest::keyClick(&grid, Qt::Key_F3);
    ASSERT_TRUE(FgStringGridFormuleFMade());
    TfgStringGridFormuleF *editor = FgStringGridFormuleF();
    EXPECT_TRUE(grid.FormuleMode);
    EXPECT_TRUE(editor->isVisible());
    editor->formule->setPlainText("=");
    editor->formule->moveCursor(QTextCursor::End);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(3, 2).ToQRect().center());
    EXPECT_EQ(editor->formule->toPlainText(), "=c3r2");
    const QList<QListWidgetItem *> plus = editor->ops->findItems(" *", Qt::MatchExactly);
    ASSERT_EQ(plus.size(), 1);
    editor->ops->setCurrentItem(plus[0]);
    editor->opsClick();
    editor->formule->insertPlainText("2+c1r2");
    EXPECT_TRUE(editor->ops->findItems("MOD", Qt::MatchExactly).size() == 1);
    EXPECT_TRUE(editor->ops->findItems("MODE(", Qt::MatchExactly).isEmpty());
    grid.SetCell(3, 2, "5");
    QTest::mouseClick(editor->btnapply, Qt::LeftButton);
    EXPECT_FALSE(grid.FormuleMode);
    EXPECT_EQ(grid.Cells(2, 1), "=c3r2*2+c1r2");
    EXPECT_EQ(double(grid.CellValue(2, 1)), 14);
}

} // namespace
