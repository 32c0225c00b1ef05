#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The neural scoring of the coupon analysis grid (row 0 the titles, the columns of
// analysis_grid.h): training lines of the played matches appended to "input0.txt", and a small
// fixed network whose weights come from "w0.txt" run over the form estimate of every match of
// the competition "ΓΕ1". Both files lie in the program folder.
namespace tav::coupons {

// The hyperbolic tangent, the activation of every unit.
double Tanh(double x);

// Appends one line per played row (a result sign other than empty or "?", and a form estimate):
// the three form cells as they stand, then the class of the result, "0" for 1, "2" for 2, "1"
// for anything else, separated by single blanks. The file must exist already: the user creates
// it to collect training lines. EInOutError, naming it, when it is missing or cannot be written.
void AppendNeuralInput(const QList<QStringList> &grid);

// The weights of "w<fileNo>.txt": line 1 the output weights q1 q2 q3 and the output threshold
// b, line 2 the hidden thresholds c1 c2 c3, lines 3 to 5 the input weights of which unit k takes
// the k-th of line 2 + k. Numbers separated by single blanks, either decimal separator.
struct TNeuralWeights
{
    std::array<double, 3> q{};
    double b = 0.0;
    std::array<double, 3> c{};
    std::array<double, 3> w{}; // the weight of input k to unit k
};

// EInOutError when the file cannot be read, EConvertError naming it when a line is missing or
// holds no numbers where the weights are due.
TNeuralWeights ReadNeuralWeights(int fileNo);

// The three outputs o_k = tanh(q_k h_k − b) and the network output y = tanh(Σ q_k h_k − b) of
// one input row, h_k = tanh(x_k w_k − c_k).
struct TNeuralOutputs
{
    std::array<double, 3> o{};
    double y = 0.0;
};
TNeuralOutputs NeuralOutputs(const TNeuralWeights &weights, const std::array<double, 3> &x);

// The input table: per grid row below the titles (table row r − 1 for grid row r) the trimmed
// form cells as numbers; none for a row whose cells are empty or no numbers (a match without
// history), which is then not scored.
using TNeuralInputs = QList<std::optional<std::array<double, 3>>>;
TNeuralInputs BuildNeuralInputs(const QList<QStringList> &grid);

// Scores table row `row` with the weights of "w<fileNo>.txt": writes "o1 o2 o3" (two decimals
// each) into the NEUR column of grid row row + 1, shows "answer=… testerror=… y=…" and waits for
// the user to close it, and returns y. Errors as ReadNeuralWeights.
double NeuralScore(const TNeuralInputs &inputs, double answer, int fileNo, int row, QList<QStringList> &grid);

// The scoring command: adds the column "NEUR" after the proposal column of the grid's layout
// (emptying it), then scores every "ΓΕ1" row that has inputs, one message each. A grid without
// such rows needs no weights file and shows nothing. On an error of the weights file the rows
// scored before keep their outputs and the error goes to the caller.
void RunNeuralScoring(QList<QStringList> &grid);

} // namespace tav::coupons
