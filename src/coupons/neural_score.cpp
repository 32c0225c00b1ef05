#include "coupons/neural_score.h"

#include "coupons/analysis_grid.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/core/paths.h"
#include "platform/core/text_file.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace tav::coupons {

namespace {

const char *const kInputFile = "input0.txt";
const char *const kNeuralTitle = "NEUR";
const char *const kScoredDiorg = "ΓΕ1";
const char *const kCannotOpen = "Δεν είναι δυνατό το άνοιγμα του αρχείου %1";
const char *const kBadWeights = "Το αρχείο βαρών %1 δεν είναι έγκυρο: η γραμμή %2 δεν έχει τους αριθμούς της";
// Input lines 3 to 5 carry the weights of the three inputs; the file may hold more.
constexpr int kWeightLines = 5;

QString WeightsPath(int fileNo)
{
    return JoinPath(ProgramFolder(), QStringLiteral("w%1.txt").arg(fileNo));
}

// The first `count` numbers of a weights line (EConvertError naming the file and line).
QList<double> LineNumbers(const QStringList &lines, int index, int count, const QString &path)
{
    const QStringList fields = lines.value(index).split(QLatin1Char(' '));
    QList<double> numbers;
    for (int at = 0; at < count; ++at) {
        bool ok = at < fields.size();
        const double value = ok ? StrToFloatDef(fields[at], NAN) : NAN;
        if (!ok || std::isnan(value))
            throw EConvertError(
                QString::fromUtf8(kBadWeights).arg(QDir::toNativeSeparators(path)).arg(index + 1));
        numbers.append(value);
    }
    return numbers;
}

QString ResultClass(const QString &resultSign)
{
    if (resultSign.startsWith(QLatin1Char('1')))
        return QStringLiteral("0");
    if (resultSign.startsWith(QLatin1Char('2')))
        return QStringLiteral("2");
    return QStringLiteral("1");
}

int NeuralColumn(const QList<QStringList> &grid)
{
    return ProposalColumn(grid.isEmpty() ? kAnalysisColumns : int(grid.first().size())) + 1;
}

} // namespace

double Tanh(double x)
{
    return std::tanh(x);
}

void AppendNeuralInput(const QList<QStringList> &grid)
{
    const QString path = JoinPath(ProgramFolder(), QString::fromLatin1(kInputFile));
    if (!QFileInfo(path).isFile())
        throw EInOutError(QString::fromUtf8(kCannotOpen).arg(QDir::toNativeSeparators(path)));
    TextFileWriter writer(path, TextFileWriter::Mode::Append);
    for (qsizetype row = 1; row < grid.size(); ++row) {
        const QStringList &cells = grid[row];
        const QString result = cells.value(AnSign).trimmed();
        if (result.isEmpty() || result == QLatin1String("?") || cells.value(AnForm1).trimmed().isEmpty())
            continue;
        writer.WriteLine(QStringList{cells.value(AnForm1), cells.value(AnForm1 + 1), cells.value(AnForm1 + 2),
                                     ResultClass(result)}
                             .join(QLatin1Char(' ')));
    }
    writer.Close();
}

TNeuralWeights ReadNeuralWeights(int fileNo)
{
    const QString path = WeightsPath(fileNo);
    const QStringList lines = ReadTextLines(path);
    if (lines.size() < kWeightLines)
        throw EConvertError(
            QString::fromUtf8(kBadWeights).arg(QDir::toNativeSeparators(path)).arg(lines.size() + 1));
    TNeuralWeights weights;
    const QList<double> output = LineNumbers(lines, 0, 4, path);
    const QList<double> thresholds = LineNumbers(lines, 1, 3, path);
    for (int k = 0; k < 3; ++k) {
        weights.q[k] = output[k];
        weights.c[k] = thresholds[k];
        weights.w[k] = LineNumbers(lines, 2 + k, 3, path)[k];
    }
    weights.b = output[3];
    return weights;
}

TNeuralOutputs NeuralOutputs(const TNeuralWeights &weights, const std::array<double, 3> &x)
{
    TNeuralOutputs outputs;
    double sum = 0.0;
    for (int k = 0; k < 3; ++k) {
        const double hidden = Tanh(x[k] * weights.w[k] - weights.c[k]);
        outputs.o[k] = Tanh(weights.q[k] * hidden - weights.b);
        sum += weights.q[k] * hidden;
    }
    outputs.y = Tanh(sum - weights.b);
    return outputs;
}

TNeuralInputs BuildNeuralInputs(const QList<QStringList> &grid)
{
    TNeuralInputs inputs;
    for (qsizetype row = 1; row < grid.size(); ++row) {
        std::array<double, 3> x{};
        bool numbers = true;
        for (int k = 0; k < 3 && numbers; ++k) {
            x[k] = StrToFloatDef(grid[row].value(AnForm1 + k).trimmed(), NAN);
            numbers = !std::isnan(x[k]);
        }
        inputs.append(numbers ? std::optional(x) : std::nullopt);
    }
    return inputs;
}

double NeuralScore(const TNeuralInputs &inputs, double answer, int fileNo, int row, QList<QStringList> &grid)
{
    const TNeuralOutputs outputs = NeuralOutputs(ReadNeuralWeights(fileNo), inputs.at(row).value());
    const int column = NeuralColumn(grid);
    QStringList &cells = grid[row + 1];
    if (cells.size() <= column)
        cells.resize(column + 1);
    cells[column] = Format(QStringLiteral("%f %f %f"), {outputs.o[0], outputs.o[1], outputs.o[2]});
    const double error = answer - outputs.y;
    const double testError = 0.5 * error * error;
    ShowMessage(Format(QStringLiteral("answer=%f testerror=%f y=%f"), {answer, testError, outputs.y}));
    return outputs.y;
}

void RunNeuralScoring(QList<QStringList> &grid)
{
    if (grid.isEmpty())
        return;
    const int column = NeuralColumn(grid);
    for (QStringList &cells : grid) {
        cells.resize(column + 1);
        cells[column].clear();
    }
    grid.first()[column] = QString::fromLatin1(kNeuralTitle);
    const TNeuralInputs inputs = BuildNeuralInputs(grid);
    for (qsizetype row = 1; row < grid.size(); ++row)
        if (grid[row].value(AnDiorg).trimmed() == QString::fromUtf8(kScoredDiorg) && inputs[row - 1])
            NeuralScore(inputs, 0.0, 0, int(row - 1), grid);
}

} // namespace tav::coupons
