#include "coupons/neural_score.h"

#include "analysis_grid_rows.h"
#include "kup_test_files.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "support/qstring_printer.h"

#include <QFile>

#include <cmath>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

class NeuralScoreTest : public ::testing::Test
{
protected:
    // Row per (competition, form cells, result).
    static QList<QStringList> Grid(bool extended, const QList<QStringList> &rows)
    {
        QList<QStringList> grid = AnalysisGrid(extended, int(rows.size()));
        for (int row = 1; row <= rows.size(); ++row) {
            const QStringList &given = rows[row - 1];
            grid[row][AnDiorg] = given[0];
            for (int k = 0; k < 3; ++k)
                grid[row][AnForm1 + k] = given[1 + k];
            grid[row][AnSign] = given[4];
            if (extended)
                grid[row][AnAgree1 + 1] = "agree";
        }
        return grid;
    }

    static void UseWeightsFixture()
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVROLIN_TEST_DATA "/coupons/w0.txt"),
                                JoinPath(ProgramFolder(), "w0.txt")));
    }

    // The outputs of the fixture's network worked out by hand: hidden unit k takes input k with
    // weight 0,01, 0,02, 0,03 and threshold 0,2, 0,3, -0,4; the output weights are 0,5, -1,5, 2
    // with threshold 0,1.
    static std::array<double, 4> HandOutputs(double x1, double x2, double x3)
    {
        const double h1 = std::tanh(x1 * 0.01 - 0.2);
        const double h2 = std::tanh(x2 * 0.02 - 0.3);
        const double h3 = std::tanh(x3 * 0.03 + 0.4);
        return {std::tanh(0.5 * h1 - 0.1), std::tanh(-1.5 * h2 - 0.1), std::tanh(2 * h3 - 0.1),
                std::tanh(0.5 * h1 - 1.5 * h2 + 2 * h3 - 0.1)};
    }

    static QString Two(double value) { return QString::number(value, 'f', 2).replace('.', ','); }

    MessageRecorder messages;
};

TEST_F(NeuralScoreTest, TrainingLinesOfPlayedMatchesAreAppended)
{
    const QString path = JoinPath(ProgramFolder(), "input0.txt");
    WriteBytes(path, "1 2 3 0\r\n");
    const QList<QStringList> grid = Grid(false, {{"ΓΕ1", "45", "30", "25", "X"},
                                                 {"ΓΕ1", "50", "30", "20", "?"},
                                                 {"ΑΓΓ", "", "", "", "1"},
                                                 {"ΑΓΓ", " 60", "25", "15 ", " 1"},
                                                 {"ΑΓΓ", "20", "30", "50", "2"},
                                                 {"ΑΓΓ", "20", "30", "50", ""}});

    AppendNeuralInput(grid);

    EXPECT_EQ(ReadBytes(path), QByteArray("1 2 3 0\r\n45 30 25 1\r\n 60 25 15  0\r\n20 30 50 2\r\n"));
}

TEST_F(NeuralScoreTest, TrainingWithoutTheFileFailsAndCreatesNothing)
{
    const QString path = JoinPath(ProgramFolder(), "input0.txt");
    EXPECT_THROW(AppendNeuralInput(Grid(false, {{"ΓΕ1", "45", "30", "25", "X"}})), EInOutError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(NeuralScoreTest, WithoutAGE1MatchTheColumnIsAddedEmptyAndNothingIsShown)
{
    QList<QStringList> grid = Grid(false, {{"ΑΓΓ", "45", "30", "25", "X"}, {"ΙΤΑ", "", "", "", "?"}});

    RunNeuralScoring(grid);

    EXPECT_EQ(grid[0].size(), 29);
    EXPECT_EQ(grid[0][28], "NEUR");
    EXPECT_EQ(grid[1][28], "");
    EXPECT_EQ(grid[2].size(), 29);
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(NeuralScoreTest, AGE1RowTakesTheOutputsOfTheWeightsFile)
{
    UseWeightsFixture();
    struct Case
    {
        bool extended;
        int column;
    };
    for (const Case &layout : {Case{false, 28}, Case{true, 31}}) {
        messages.Clear();
        QList<QStringList> grid = Grid(layout.extended, {{"ΑΓΓ", "45", "30", "25", "1"},
                                                         {" ΓΕ1 ", "45", "30", "25", "X"},
                                                         {"ΓΕ1", "", "", "", "?"},
                                                         {"ΓΕ1", "10", "20,5", "70", "?"}});

        RunNeuralScoring(grid);

        const auto first = HandOutputs(45, 30, 25);
        const auto second = HandOutputs(10, 20.5, 70);
        EXPECT_EQ(grid[0].value(layout.column), "NEUR");
        EXPECT_EQ(grid[1][layout.column], "");
        EXPECT_EQ(grid[2][layout.column], Two(first[0]) + ' ' + Two(first[1]) + ' ' + Two(first[2]));
        EXPECT_EQ(grid[3][layout.column], "");
        EXPECT_EQ(grid[4][layout.column], Two(second[0]) + ' ' + Two(second[1]) + ' ' + Two(second[2]));
        EXPECT_EQ(messages.Texts(), QStringList({"answer=0,00 testerror=" + Two(0.5 * first[3] * first[3]) +
                                                     " y=" + Two(first[3]),
                                                 "answer=0,00 testerror=" + Two(0.5 * second[3] * second[3]) +
                                                     " y=" + Two(second[3])}));
        if (layout.extended) {
            EXPECT_EQ(grid[2][AnAgree1 + 1], "agree");
        }
    }
}

TEST_F(NeuralScoreTest, NeuralScoreReturnsTheNetworkOutput)
{
    UseWeightsFixture();
    QList<QStringList> grid = Grid(false, {{"ΓΕ1", "45", "30", "25", "X"}});
    const TNeuralInputs inputs = BuildNeuralInputs(grid);
    ASSERT_EQ(inputs.size(), 1);

    const double y = NeuralScore(inputs, 1.0, 0, 0, grid);

    const double expected = HandOutputs(45, 30, 25)[3];
    EXPECT_NEAR(y, expected, 1e-12);
    EXPECT_EQ(messages.Last().text,
              "answer=1,00 testerror=" + Two(0.5 * (1 - expected) * (1 - expected)) + " y=" + Two(expected));
}

TEST_F(NeuralScoreTest, AMissingOrBadWeightsFileStopsTheScoringWithItsName)
{
    QList<QStringList> grid = Grid(false, {{"ΓΕ1", "45", "30", "25", "X"}});
    EXPECT_THROW(RunNeuralScoring(grid), EInOutError);
    EXPECT_EQ(grid[0][28], "NEUR");

    WriteBytes(JoinPath(ProgramFolder(), "w0.txt"), "1 2 3 4\r\n1 2 x\r\n1 1 1\r\n1 1 1\r\n1 1 1\r\n");
    try {
        RunNeuralScoring(grid);
        FAIL() << "a weights line without numbers was read";
    } catch (const EConvertError &error) {
        EXPECT_TRUE(error.Message().contains("w0.txt")) << error.Message().toStdString();
        EXPECT_TRUE(error.Message().contains("2")) << error.Message().toStdString();
    }
    EXPECT_EQ(messages.Count(), 0);
}

} // namespace
