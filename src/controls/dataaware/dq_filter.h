#pragma once

#include "platform/db/dataset.h"

#include <QString>

#include <memory>

// One node of a parsed filter expression. The left side of every comparison or arithmetic
// operator is a field, the right side a constant of that field's kind.
class TNode
{
public:
    enum TNodeKind : quint8
    {
        nkComparison,
        nkLogical,
        nkArithmetic,
        nkOperand,
    };
    // How a constant on the right of an operator is read: from the type of the field on the
    // left. lkField: the leaf names a field.
    enum TLiteralKind : quint8
    {
        lkField = 0,
        lkString = 1,
        lkFloat = 2,
        lkDateTime = 3,
        lkDate = 4,
        lkTime = 5,
        lkBoolean = 6,
        lkInteger = 7,
        lkSmallInt = 9,
    };

    quint8 Kind = nkOperand;
    quint8 LiteralKind = lkField;
    // The operator, the field name or the constant as written.
    QString Text;
    std::unique_ptr<TNode> Left;
    std::unique_ptr<TNode> Right;
};

namespace tav::controls {

// Which of a dataset's own filters a handle stands for.
enum class TdqFilterHandle
{
    None,
    Record,
    Expression,
};

// Parses an expression filter: comparisons of fields with constants (< <> <= >= = >), joined by
// AND and OR of equal precedence from the left, with + - * / and parentheses. Field names may
// hold blanks and operator characters. Text after a complete expression is ignored. Null on a
// syntax error; after the warning "Field not found in Table. " for a left side that names no
// field.
std::unique_ptr<TNode> dqParseFilter(const QString &expression, const TDataSet &dataSet);
// The tree as an SQL condition over the dataset's fields with its constants bound; nullopt after
// the warning for a name that is no field. A constant that does not read as its field's kind
// raises EConvertError.
std::optional<CompiledFilter> dqCompileFilter(const TNode &root, const TDataSet &dataSet);

// Installs the record filter (or, with no callback, only drops the old one) and shows the
// records again when the dataset is open. False when a callback is given to a closed dataset.
bool dqSetRecordFilter(const TRecordFilter &callback, TDataSet &dataSet, TdqFilterHandle &handle);
// Installs an expression filter; an empty expression drops it. A closed dataset takes nothing
// unless force is set (its fields are known). False, with no filter, when the expression does
// not compile.
bool dqSetExpressionFilter(const QString &expression, TDataSet &dataSet, TdqFilterHandle &handle, bool force);
void dqDropFilter(TDataSet &dataSet, TdqFilterHandle &handle);

} // namespace tav::controls
