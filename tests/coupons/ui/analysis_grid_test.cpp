#include "coupons/analysis_grid.h"
#include "coupons/ui/analysis_grid_paint.h"
#include "coupons/ui/analysis_grid_print.h"
#include "coupons/ui/epiloges_dlg.h"
#include "coupons/ui/print_range_dlg.h"
#include "platform/core/message_recorder.h"
#include "platform/core/modal_result.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/printer.h"
#include "platform/ui/string_grid.h"
#include "support/pdf_text.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace tav::coupons;

namespace {

const QColor kGreen(155, 241, 153);
const QColor kBlue(153, 241, 255);
const QColor kOrange(247, 179, 105);
const QColor kFavourite(22, 208, 79);
const QString kCaption = QStringLiteral("ΑΝΑΛΥΣΗ ΚΟΥΠΟΝΙΟΥ 5_20040305_20040308.kup");

// Hands the grid's let-go mouse buttons to the analysis grid, as the window does.
class MouseUpForwarder : public QObject
{
public:
    explicit MouseUpForwarder(TStringGrid &grid) : QObject(&grid), grid_(grid)
    {
        grid.viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const QPoint at = mouse->position().toPoint();
            AnalysisGridMouseUp(grid_, mouse->button(), at.x(), at.y());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TStringGrid &grid_;
};

class AnalysisGridTest : public testing::Test
{
protected:
    void SetUp() override
    {
        grid->SetColCount(kAnalysisColumns);
        grid->SetFixedCols(0);
        grid->SetFixedRows(1);
        grid->SetDefaultRowHeight(20);
        const QStringList titles = AnalysisTitles(false);
        const QList<int> widths = AnalysisWidths(false);
        for (int col = 0; col < kAnalysisColumns; ++col) {
            grid->SetCell(col, 0, titles[col]);
            grid->SetColWidth(col, widths[col]);
        }
        grid->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState, TCanvas &canvas) {
            DrawAnalysisCell(*grid, col, row, rect, canvas);
        };
        grid->resize(1100, 400);
    }

    void TearDown() override { Printer().SetOutputFileName(QString()); }

    // A match row: its time, teams, sign and the cells from the given column on.
    void SetRow(int row, const QString &time, const QString &sign,
                std::initializer_list<std::pair<int, QStringList>> cells = {})
    {
        if (grid->RowCount() <= row)
            grid->SetRowCount(row + 1);
        grid->SetCell(AnDate, row, QStringLiteral("05/03/2004"));
        grid->SetCell(AnTime, row, time);
        grid->SetCell(AnDiorg, row, QStringLiteral("ΑΓΓ"));
        grid->SetCell(AnTeams, row, QStringLiteral("H%1-A%1").arg(row));
        grid->SetCell(AnSign, row, sign);
        grid->SetCell(AnRowNo, row, QString::number(row));
        for (const auto &[first, texts] : cells) {
            for (qsizetype i = 0; i < texts.size(); ++i)
                grid->SetCell(first + int(i), row, texts[i]);
        }
    }

    // Plain matches with times, rows 1 to count.
    void SetRows(int count)
    {
        grid->SetRowCount(count + 1);
        for (int row = 1; row <= count; ++row)
            SetRow(row, QStringLiteral("18:00"), QStringLiteral("?"));
    }

    QColor CellColour(int col, int row)
    {
        const QImage image = grid->viewport()->grab().toImage();
        const TRect rect = grid->CellRect(col, row);
        return image.pixelColor(rect.Right - 2, rect.Bottom - 2);
    }

    QPoint CellCentre(int col, int row) const
    {
        const TRect rect = grid->CellRect(col, row);
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }

    QStringList Column(int col) const
    {
        QStringList cells;
        for (int row = 1; row < grid->RowCount(); ++row)
            cells.append(grid->Cells(col, row));
        return cells;
    }

    // The first page of the printout as a picture, and how many of its pixels are coloured.
    int ColouredPixels(const QString &pdf, const QColor &near = QColor()) const
    {
        QProcess::execute("pdftoppm", {"-r", "60", "-f", "1", "-l", "1", "-singlefile", pdf, pdf});
        const QImage page(pdf + ".ppm");
        EXPECT_FALSE(page.isNull());
        int coloured = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor pixel = page.pixelColor(x, y);
                const bool grey =
                    std::abs(pixel.red() - pixel.green()) < 12 && std::abs(pixel.green() - pixel.blue()) < 12;
                const bool close = near.isValid() && std::abs(pixel.red() - near.red()) < 6 &&
                                   std::abs(pixel.green() - near.green()) < 6 &&
                                   std::abs(pixel.blue() - near.blue()) < 6;
                if (near.isValid() ? close : !grey)
                    ++coloured;
            }
        }
        return coloured;
    }

    // The title line of a page holds the 24 printed titles, each from its column's left edge (the
    // screen's width on paper, from the page's 5 mm margin) and cut at the next column's edge: a
    // title cut without a blank runs on into the next title's start.
    void ExpectTitleColumns(const PdfPage &page) const
    {
        const qsizetype title = FindWords(page, {"ΗΜ/ΝΙΑ"});
        ASSERT_GE(title, 0);
        const double top = page.Words[title].Box.top();
        const QList<int> columns = AnalysisPrintedColumns();
        QStringList titles = AnalysisPrintedTitles();
        ASSERT_EQ(titles.size(), 24);
        QList<double> edges{5.0 / 25.4 * 72.0};
        for (int col : columns)
            edges.append(edges.last() + std::round(grid->ColWidths(col) * 0.104) * 7.2);
        QStringList printed(columns.size());
        for (const PdfWord &word : page.Words) {
            if (std::abs(word.Box.top() - top) > 1.0)
                continue;
            for (qsizetype i = 0; i < columns.size(); ++i) {
                if (word.Box.left() >= edges[i] - 1.0 && word.Box.left() < edges[i + 1] - 1.0)
                    printed[i] += word.Text;
            }
        }
        for (QString &text : titles)
            text.remove(' ');
        for (qsizetype i = 0; i < titles.size(); ++i) {
            const QString runOn = titles[i] + titles.value(i + 1);
            if (printed[i].isEmpty()) {
                ASSERT_GT(i, 0);
                EXPECT_GT(printed[i - 1].size(), titles[i - 1].size()) << titles[i].toStdString();
            } else {
                EXPECT_TRUE(runOn.startsWith(printed[i])) << printed[i].toStdString();
            }
        }
        EXPECT_EQ(printed.last(), "Α/Α");
    }

    void Print(TAnalysisPrintColour colour, int from = -1, int to = -1)
    {
        Printer().SetOutputFileName(pdf);
        state.PrnFromRow = from;
        state.PrnToRow = to;
        PrintAnalysisGrid(*grid, kCaption, colour, state, grid.get());
    }

    std::unique_ptr<TStringGrid> grid = std::make_unique<TStringGrid>();
    QTemporaryDir folder;
    QString pdf = folder.filePath("analysis.pdf");
    TGridPrintState state;
    MessageRecorder messages;
};

TEST_F(AnalysisGridTest, TheMarksArePaintedOnTheGrid)
{
    SetRows(3);
    SetRow(1, "18:00", "?", {{6, {"40", "40", "20"}}, {9, {"20", "40", "40"}}});
    SetRow(2, "18:00", "X", {{6, {"30", "30", "40"}}, {23, {"2,10", "2,10", "3,00"}}});
    SetRow(3, "18:00", "1", {{6, {"40", "", "20"}}, {27, {"1"}}});
    grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));

    const QColor usual = CellColour(AnTeams, 2);
    EXPECT_EQ(CellColour(6, 1), kGreen);
    EXPECT_EQ(CellColour(7, 1), kBlue);
    EXPECT_EQ(CellColour(8, 1), kOrange);
    for (int col : {9, 10, 11})
        EXPECT_EQ(CellColour(col, 1), usual) << col;
    EXPECT_EQ(CellColour(6, 2), usual);
    EXPECT_EQ(CellColour(7, 2), kOrange);
    EXPECT_EQ(CellColour(8, 2), usual);
    EXPECT_EQ(CellColour(24, 2), kFavourite);
    EXPECT_EQ(CellColour(21, 2), kFavourite);
    EXPECT_EQ(CellColour(23, 2), usual);
    EXPECT_EQ(CellColour(27, 3), kGreen);
    EXPECT_EQ(CellColour(6, 0), CellColour(7, 0)); // titles as the grid paints them
}

TEST_F(AnalysisGridTest, MarkedCellsAreWrittenBoldAndATripleWithAnEmptyCellIsNot)
{
    SetRows(2);
    SetRow(1, "18:00", "?", {{9, {"20", "40", "40"}}});
    SetRow(2, "18:00", "?", {{6, {"40", "", "20"}}});
    QImage image(200, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    const TRect rect{0, 0, 30, 20};
    struct
    {
        int col;
        int row;
        bool bold;
    } cases[] = {{9, 1, true}, {11, 1, true}, {6, 2, false}, {8, 2, false}, {3, 1, false}, {9, 0, false}};
    for (const auto &c : cases) {
        TCanvas canvas(&painter);
        DrawAnalysisCell(*grid, c.col, c.row, rect, canvas);
        EXPECT_EQ(canvas.Font.Style.Contains(fsBold), c.bold) << c.col << "," << c.row;
        EXPECT_EQ(canvas.Brush.Color, clWhite) << c.col << "," << c.row;
    }
}

TEST_F(AnalysisGridTest, ALeftClickOnATitleSortsAndNumbersTheRows)
{
    SetRows(4);
    const QStringList estimates{"20", "", "50", "x"};
    for (int row = 1; row <= 4; ++row) {
        grid->SetCell(6, row, estimates[row - 1]);
        grid->SetCell(23, row, QStringList{"2,5", "", "1,5", "3"}[row - 1]);
        grid->SetCell(AnRowNo, row, QStringLiteral("7"));
    }
    new MouseUpForwarder(*grid);
    grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));

    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, CellCentre(6, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(6, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(AnTeams, 0));
    EXPECT_EQ(Column(AnTeams), QStringList({"H1-A1", "H2-A2", "H3-A3", "H4-A4"}));

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(6, 0));
    EXPECT_EQ(Column(6), QStringList({"", "x", "50", "20"}));
    EXPECT_EQ(Column(AnTeams), QStringList({"H2-A2", "H4-A4", "H3-A3", "H1-A1"}));
    EXPECT_EQ(Column(AnRowNo), QStringList({"1", "2", "3", "4"}));

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(23, 0));
    EXPECT_EQ(Column(23), QStringList({"1,5", "2,5", "3", ""}));
    EXPECT_EQ(grid->Cells(6, 0), "AN 1");
}

TEST_F(AnalysisGridTest, ThePrintoutHasTheTwentyFourTitlesAndLeavesOutTheOtherColumns)
{
    SetRows(2);
    SetRow(1, "18:00", "?", {{6, {"40", "40", "20"}}, {12, {"71", "72", "73"}}, {27, {"PROP"}}});
    Print(apBlackAndWhite);

    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    ExpectTitleColumns(pages[0]);
    // The line is wider than the upright page: the page is turned for the job and back after it.
    EXPECT_GT(pages[0].Size.width(), pages[0].Size.height());
    EXPECT_EQ(WordsOutsidePage(pages[0], 0, pages[0].Words.size()), QStringList());
    EXPECT_FALSE(Printer().Landscape());
    EXPECT_GE(FindWords(pages[0], {"ΑΝΑΛΥΣΗ", "ΚΟΥΠΟΝΙΟΥ", "5_20040305_20040308.kup"}), 0);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("H2-A2"));
    for (const char *absent : {"71", "72", "73", "PROP", "ΠΛ"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(absent))) << absent;
    EXPECT_EQ(ColouredPixels(pdf), 0);
}

TEST_F(AnalysisGridTest, InColourTheMarksAreFilledAsOnScreen)
{
    SetRows(2);
    SetRow(1, "18:00", "?", {{6, {"40", "40", "20"}}});
    SetRow(2, "18:00", "1", {{23, {"1,50", "3,20", "5,00"}}});
    Print(apColour);

    EXPECT_GT(ColouredPixels(pdf, kGreen), 0);
    EXPECT_GT(ColouredPixels(pdf, kBlue), 0);
    EXPECT_GT(ColouredPixels(pdf, kOrange), 0);
    EXPECT_GT(ColouredPixels(pdf, kFavourite), 0);
    EXPECT_TRUE(PdfText(pdf).contains("H2-A2"));
}

TEST_F(AnalysisGridTest, ThePrintoutEndsAtTheFirstRowWithoutATime)
{
    SetRows(5);
    grid->SetCell(AnTime, 4, QString());
    struct
    {
        int from;
        int to;
        QStringList printed;
    } cases[] = {{-1, -1, {"H1-A1", "H2-A2", "H3-A3"}},
                 {1, 6, {"H1-A1", "H2-A2", "H3-A3"}},
                 {2, 2, {"H2-A2"}},
                 {4, 6, {}}};
    for (const auto &c : cases) {
        Print(apBlackAndWhite, c.from, c.to);
        const QString text = PdfText(pdf);
        EXPECT_TRUE(text.contains("ΗΜ/ΝΙΑ")) << c.from;
        for (int row = 1; row <= 5; ++row) {
            const QString teams = QStringLiteral("H%1-A%1").arg(row);
            EXPECT_EQ(text.contains(teams), c.printed.contains(teams)) << c.from << " " << row;
        }
    }
}

TEST_F(AnalysisGridTest, EveryPageRepeatsTheHeadAndTheTitles)
{
    SetRows(90);
    Print(apColour);

    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 2);
    for (const PdfPage &page : pages) {
        EXPECT_GE(FindWords(page, {"ΑΝΑΛΥΣΗ", "ΚΟΥΠΟΝΙΟΥ"}), 0);
        ExpectTitleColumns(page);
    }
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("H1-A1"));
    EXPECT_TRUE(text.contains("H90-A90"));
}

TEST_F(AnalysisGridTest, ThePrintCommandAsksForTheColourTheRowsAndThePrinter)
{
    SetRows(3);
    SetRow(1, "18:00", "?", {{6, {"40", "40", "20"}}});
    Printer().SetOutputFileName(pdf);
    {
        ScriptedModalRunner cancel([](QDialog &dialog) -> int {
            EXPECT_NE(dynamic_cast<TEpilogesDlg *>(&dialog), nullptr);
            return mrCancel;
        });
        PrintAnalysisGridAsked(*grid, kCaption, state, grid.get());
        EXPECT_EQ(cancel.RunCount(), 1);
    }
    EXPECT_FALSE(QFile::exists(pdf));

    ScriptedModalRunner runner([](QDialog &dialog) -> int {
        if (auto *colours = dynamic_cast<TEpilogesDlg *>(&dialog)) {
            EXPECT_EQ(colours->ItemIndex(), apBlackAndWhite);
            colours->SetItemIndex(apColour);
            QTest::mouseClick(colours->BitBtn1, Qt::LeftButton);
            return colours->result();
        }
        auto &range = dynamic_cast<TPrintRangeDlg &>(dialog);
        EXPECT_EQ(range.Edit1->text(), "1");
        EXPECT_EQ(range.Edit2->text(), "4");
        range.Edit1->setText("2");
        QTest::mouseClick(range.BtnOK, Qt::LeftButton);
        return range.result();
    });
    PrintAnalysisGridAsked(*grid, kCaption, state, grid.get());
    EXPECT_EQ(runner.RunCount(), 2);
    const QString text = PdfText(pdf);
    EXPECT_FALSE(text.contains("H1-A1"));
    EXPECT_TRUE(text.contains("H3-A3"));
    EXPECT_TRUE(grid->isEnabled());
}

TEST_F(AnalysisGridTest, ARangeThatIsNoNumberPrintsNothing)
{
    SetRows(2);
    Printer().SetOutputFileName(pdf);
    ScriptedModalRunner runner([](QDialog &dialog) -> int {
        if (dynamic_cast<TEpilogesDlg *>(&dialog))
            return mrOk;
        auto &range = dynamic_cast<TPrintRangeDlg &>(dialog);
        range.Edit2->setText("z");
        return mrOk;
    });
    PrintAnalysisGridAsked(*grid, kCaption, state, grid.get());
    EXPECT_EQ(messages.Last().text, "'z' δεν είναι έγκυρος ακέραιος");
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
