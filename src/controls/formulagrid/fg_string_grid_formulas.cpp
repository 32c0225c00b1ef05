// The grid's formulas: the value table, recalculation, names and cell references, and the link to
// the formula editor.

#include "controls/formulagrid/fg_string_grid.h"
#include "controls/formulagrid/fg_string_grid_formule_form.h"

#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"

#include <QPlainTextEdit>

#include <algorithm>
#include <numbers>

namespace {

const char *const kErrorIn = "Error in: ";

} // namespace

long double TfgStringGrid::CellValue(int col, int row) const
{
    if (col < 0 || row < 0 || col >= int(cellValues_.size()) || row >= int(cellValues_[col].size()))
        return 0;
    return cellValues_[col][row];
}

void TfgStringGrid::PrepareValueTable()
{
    cellValues_.resize(ColCount());
    for (auto &column : cellValues_)
        column.resize(RowCount(), 0);
}

// Cells that hold plain numbers take part in references and aggregates; other texts count 0.
// Formula cells keep their values from the last recalculation until their turn comes.
void TfgStringGrid::LoadPlainNumbers()
{
    for (int col = 0; col < ColCount(); ++col) {
        for (int row = 0; row < RowCount(); ++row) {
            const QString text = Cells(col, row);
            if (text.startsWith(u'='))
                continue;
            cellValues_[col][row] = text.isEmpty() ? 0 : StrToFloatDef(text, 0);
        }
    }
}

bool TfgStringGrid::ParseCellReference(const QString &name, int &col, int &row)
{
    const QString lower = name.toLower();
    const qsizetype c = lower.indexOf(u'c');
    const qsizetype r = lower.indexOf(u'r');
    if (c < 0 || r < 0)
        return false;
    const QString colText = r < c ? lower.mid(c + 1) : lower.mid(c + 1, r - c - 1);
    const QString rowText = r < c ? lower.mid(r + 1, c - r - 1) : lower.mid(r + 1);
    int parsedCol = 0;
    int parsedRow = 0;
    if (!TryStrToInt(colText, parsedCol) || !TryStrToInt(rowText, parsedRow))
        return false;
    col = parsedCol;
    row = parsedRow;
    return true;
}

long double TfgStringGrid::Aggregate(const QString &name) const
{
    const bool overRow = name.endsWith(u"row");
    const int count = overRow ? calcCol_ - 1 : calcRow_ - 1;
    if (count < 1)
        return 0;
    const auto value = [&](int k) { return overRow ? CellValue(k, calcRow_) : CellValue(calcCol_, k); };
    long double sum = 0;
    long double low = value(1);
    long double high = value(1);
    for (int k = 1; k <= count; ++k) {
        sum += value(k);
        low = std::min(low, value(k));
        high = std::max(high, value(k));
    }
    if (name.startsWith(u"sum"))
        return sum;
    if (name.startsWith(u"avg"))
        return sum / count;
    return name.startsWith(u"min") ? low : high;
}

void TfgStringGrid::ResolveVariable(const QString &varName, long double &value, bool &found)
{
    found = true;
    int col = 0;
    int row = 0;
    if (ParseCellReference(varName, col, row)) {
        // A reference outside the grid names no cell.
        found = col >= 0 && row >= 0 && col < ColCount() && row < RowCount();
        value = found ? CellValue(col, row) : 0;
        return;
    }
    const QString name = varName.toLower();
    static const QStringList aggregates = {"sumrow", "sumcol", "avgrow", "avgcol",
                                           "minrow", "maxrow", "mincol", "maxcol"};
    if (name == u"pi")
        value = std::numbers::pi_v<long double>;
    else if (aggregates.contains(name))
        value = Aggregate(name);
    else
        found = false;
}

void TfgStringGrid::Recalculate()
{
    if (RowCount() <= FixedRows() || ColCount() <= FixedCols())
        return;
    PrepareValueTable();
    LoadPlainNumbers();
    for (int row = FixedRows(); row < RowCount(); ++row) {
        for (int col = FixedCols(); col < ColCount(); ++col) {
            const QString text = Cells(col, row);
            if (!text.startsWith(u'='))
                continue;
            calcCol_ = col;
            calcRow_ = row;
            parser_.ParseString = text.mid(1);
            calcError_ = false;
            parser_.Evaluate();
            if (calcError_) {
                ShowMessage(QString::fromLatin1(kErrorIn) + parser_.ParseString);
                SetRow(row);
                SetCol(col);
                return;
            }
            cellValues_[col][row] = parser_.ResultValue;
        }
    }
    if (showValues_)
        Repaint();
}

void TfgStringGrid::ShowFormulaDialog()
{
    if (Col() == 0 || Row() == 0)
        return;
    TfgStringGridFormuleF *editor = FgStringGridFormuleF();
    editor->Grid = this;
    editor->Cell = QPoint(Col(), Row());
    editor->formule->setPlainText(Cells(Col(), Row()));
    FormuleMode = true;
    editor->show();
}

bool TfgStringGrid::SelectCell(int col, int row)
{
    if (FormuleMode && FgStringGridFormuleFMade())
        FgStringGridFormuleF()->formule->insertPlainText(QString("c%1r%2").arg(col).arg(row));
    return TStringGrid::SelectCell(col, row);
}
