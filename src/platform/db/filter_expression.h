#pragma once

#include "platform/db/field_type.h"

#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>
#include <vector>

// The filter text of a dataset compiled to an SQL condition whose values are bound, never pasted
// into the SQL. The text compares fields with values: field op value with = <> < > <= >=, joined
// by and, or, not (in any case; not binds tighter than and, and than or) and parentheses. Fields
// are written plain, "quoted" or [bracketed]; values are 'strings' ('' for a quote), numbers with
// a '.' decimal point, dates and times as the user types them (12/03/2005, 15:30), TRUE/FALSE for
// logical fields, NULL, or another field. "= null" also finds empty texts. A string ending in '*'
// matches the texts that begin with the rest, unless noPartialCompare is set; caseInsensitive
// compares texts folded (greek_fold, see greek_collation.h). A comparison with an empty field is
// false, and so its negation is true.

struct FilterField
{
    QString column;
    TFieldType type;
};

// Resolves a field name of the filter text (matched without case by the caller) to its column
// and type; std::nullopt for an unknown field.
using FilterFieldResolver = std::function<std::optional<FilterField>(const QString &name)>;

struct TFilterOptions
{
    bool caseInsensitive = false;
    bool noPartialCompare = false;
};

// SQL with ? placeholders and the values for them in order: qlonglong (integers, logical 0/1),
// double, or QString (texts, ISO dates and times).
struct CompiledFilter
{
    QString whereSql;
    QVariantList values;
};

// Compiles the filter text once. Raises EDatabaseError naming the filter text when it does not
// parse (or nests parentheses and "not"s more than 20 deep), names an unknown field, or a
// literal does not convert to the field's type. A blank text filters nothing: its condition is
// "1".
CompiledFilter CompileFilter(const QString &filterText, const FilterFieldResolver &resolve,
                             TFilterOptions options = {});

// The parsed form of a filter, for code that builds or inspects conditions without text.

enum class TFilterOperator
{
    Equal,
    NotEqual,
    Less,
    Greater,
    LessOrEqual,
    GreaterOrEqual,
};

// The right side of a comparison as written: a quoted string (without its quotes), a number,
// the words NULL, TRUE or FALSE, or another field.
struct TFilterOperand
{
    enum class Kind
    {
        String,
        Number,
        Null,
        True,
        False,
        Field,
    };
    Kind kind = Kind::Null;
    QString text;
};

struct TFilterNode
{
    enum class Kind
    {
        And,
        Or,
        Not,
        Comparison,
    };
    Kind kind = Kind::Comparison;
    // And, Or: the operands (a run of the same junction is one node); Not: the one negated
    // condition.
    std::vector<TFilterNode> operands;
    // Comparison: field op value.
    QString fieldName;
    TFilterOperator op = TFilterOperator::Equal;
    TFilterOperand value;
};

// Parses a non-blank filter text. Raises EDatabaseError naming the text when it does not parse
// or nests too deep.
TFilterNode ParseFilter(const QString &filterText);

// Turns a parsed filter into SQL; filterText names the filter in error messages.
CompiledFilter CompileFilterTree(const TFilterNode &root, const QString &filterText,
                                 const FilterFieldResolver &resolve, TFilterOptions options = {});
