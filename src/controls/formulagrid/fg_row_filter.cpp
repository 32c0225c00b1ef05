// The grid's row filter: a condition over the column titles read into the program's filter table,
// rows that fail it hidden, and the query builder that writes the condition.

#include "controls/formulagrid/fg_row_filter.h"

#include "controls/formulagrid/fg_string_grid.h"
#include "controls/formulagrid/fg_string_grid_query_form.h"
#include "platform/core/message_service.h"
#include "platform/ui/modal_runner.h"

#include <QListWidget>

namespace tav::controls {

bool TFilterTerm::Holds(const QString &cellText) const
{
    switch (Op) {
    case Equal:
        return cellText == Value;
    case NotEqual:
        return cellText != Value;
    case Greater:
        return cellText.compare(Value, Qt::CaseSensitive) > 0;
    case Less:
        return cellText.compare(Value, Qt::CaseSensitive) < 0;
    case Like:
        return cellText.toLower().contains(Value.toLower());
    }
    return false;
}

TFilterTable &FilterTable()
{
    static TFilterTable table;
    return table;
}

} // namespace tav::controls

using tav::controls::FilterTable;
using tav::controls::TFilterTable;
using tav::controls::TFilterTerm;

namespace {

const char *const kTooComplex = "Filter too complex";
const char *const kNoTitle = "Ο όρος %1 του φίλτρου δεν έχει τίτλο στήλης μέσα σε αγκύλες [ ].";
const char *const kEmptyTitle = "Ο όρος %1 του φίλτρου έχει κενό τίτλο στήλης.";
const char *const kUnknownTitle = "Ο όρος %1 του φίλτρου: δεν υπάρχει στήλη με τίτλο «%2».";
const char *const kNoQuotes = "Ο όρος %1 του φίλτρου: η τιμή γράφεται μέσα σε εισαγωγικά \" \".";
const char *const kBadOperator =
    "Ο όρος %1 του φίλτρου: άγνωστος τελεστής «%2» (επιτρέπονται =, <>, >, <, like).";

bool OperatorOf(const QString &text, TFilterTerm::Comparison &op)
{
    static const QList<QPair<QString, TFilterTerm::Comparison>> operators = {{"=", TFilterTerm::Equal},
                                                                             {"<>", TFilterTerm::NotEqual},
                                                                             {">", TFilterTerm::Greater},
                                                                             {"<", TFilterTerm::Less},
                                                                             {"like", TFilterTerm::Like}};
    for (const auto &[name, comparison] : operators) {
        if (text == name) {
            op = comparison;
            return true;
        }
    }
    return false;
}

} // namespace

bool TfgStringGrid::ParseFilter(const QString &text)
{
    TFilterTable &table = FilterTable();
    table.Terms.clear();
    filterError_.clear();
    QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    const auto fail = [this](const char *message, int term, const QString &detail = {}) {
        filterError_ = QString::fromUtf8(message).arg(term);
        if (!detail.isNull())
            filterError_ = filterError_.arg(detail);
        return false;
    };
    while (!s.isEmpty()) {
        const int number = int(table.Terms.size()) + 1;
        const qsizetype open = s.indexOf(u'[');
        if (open < 0)
            return fail(kNoTitle, number);
        s = s.mid(open + 1);
        const qsizetype close = s.indexOf(u']');
        if (close < 0)
            return fail(kNoTitle, number);
        const QString title = s.left(close);
        s = s.mid(close + 1).trimmed();
        if (title.isEmpty())
            return fail(kEmptyTitle, number);
        int column = 0;
        for (int col = 1; col < ColCount() && column == 0; ++col)
            if (Cells(col, 0) == title)
                column = col;
        if (column == 0)
            return fail(kUnknownTitle, number, title);
        const qsizetype quote = s.indexOf(u'"');
        if (quote < 0)
            return fail(kNoQuotes, number);
        const QString operatorText = s.left(quote).trimmed().toLower();
        s = s.mid(quote + 1);
        const qsizetype endQuote = s.indexOf(u'"');
        if (endQuote < 0)
            return fail(kNoQuotes, number);
        TFilterTerm term;
        term.Column = column;
        term.Value = s.left(endQuote);
        s = s.mid(endQuote + 1).trimmed();
        if (!OperatorOf(operatorText, term.Op))
            return fail(kBadOperator, number, operatorText);
        if (number > TFilterTable::kMaxTerms) {
            ShowMessage(QString::fromLatin1(kTooComplex));
            table.Terms.clear();
            return false;
        }
        table.Terms.append(term);
    }
    return true;
}

void TfgStringGrid::ApplyFilter()
{
    const TFilterTable &table = FilterTable();
    if (table.Terms.isEmpty())
        return;
    for (int row = 1; row < RowCount(); ++row) {
        for (const TFilterTerm &term : table.Terms) {
            if (!term.Holds(Cells(term.Column, row))) {
                SetRowHeight(row, 0);
                break;
            }
        }
    }
}

void TfgStringGrid::SetFilter(const QString &text)
{
    if (ParseFilter(text))
        ApplyFilter();
    else if (!filterError_.isEmpty())
        ShowMessage(filterError_);
}

void TfgStringGrid::ShowQueryDialog()
{
    TfgStringGridQueryF dialog;
    QStringList titles = ColumnHeaders();
    if (!titles.isEmpty())
        titles.removeFirst();
    dialog.FieldsList->addItems(titles);
    dialog.Grid = this;
    RunModal(dialog);
}
