#include "platform/db/filter_expression.h"

#include "platform/core/format.h"
#include "platform/db/db_errors.h"
#include "platform/db/field.h"

#include <QStringList>

namespace {

const QString FilterErrorText = QStringLiteral("Σφάλμα στο φίλτρο \"%1\": %2");
const QString ExpectedFieldText = QStringLiteral("αναμενόταν όνομα πεδίου στη θέση %1");
const QString ExpectedOperatorText = QStringLiteral("αναμενόταν τελεστής σύγκρισης στη θέση %1");
const QString ExpectedValueText = QStringLiteral("αναμενόταν τιμή στη θέση %1");
const QString ExpectedParenthesisText = QStringLiteral("αναμενόταν \")\" στη θέση %1");
const QString UnexpectedText = QStringLiteral("περιττό κείμενο στη θέση %1");
const QString UnclosedQuoteText = QStringLiteral("ανοιχτά εισαγωγικά στη θέση %1");
const QString UnknownFieldText = QStringLiteral("άγνωστο πεδίο %1");
const QString NullOperatorText = QStringLiteral("το null συγκρίνεται μόνο με = και <>");
const QString BadValueText = QStringLiteral("η τιμή %1 δεν ταιριάζει στο πεδίο %2 (%3)");
const QString NotLogicalText = QStringLiteral("'%1' δεν είναι λογική τιμή");
const QString NotComparableText = QStringLiteral("το πεδίο δεν συγκρίνεται με τιμές");
const QString TooDeepText = QStringLiteral("περισσότερα από %1 επίπεδα παρενθέσεων και not στη θέση %2");

// The most parentheses and "not"s a filter may nest, one inside the other. The parser recurses
// once per level, and SQLite's own parser refuses the SQL of a filter nested much deeper (its
// stack of about a hundred entries holds three per level of alternating "and" and "or"), so a
// deeper text is refused here, with the filter's own message, long before either runs out.
constexpr int MaxFilterDepth = 20;

// The most characters of the filter text a message quotes: the position in the detail points
// into the rest.
constexpr int QuotedFilterSize = 200;

QString QuotedFilter(const QString &filterText)
{
    const QString quoted = TextCutToSize(filterText, QuotedFilterSize);
    return quoted.size() < filterText.size() ? quoted + QStringLiteral("…") : quoted;
}

[[noreturn]] void FilterError(const QString &filterText, const QString &detail)
{
    throw EDatabaseError(FilterErrorText.arg(QuotedFilter(filterText), detail));
}

struct Token
{
    enum class Kind
    {
        End,
        LeftParenthesis,
        RightParenthesis,
        Operator,
        String,
        Number,
        Word,
        QuotedName,
        Invalid,
    };
    Kind kind = Kind::End;
    QString text;
    qsizetype position = 0; // 1-based, for messages
};

bool IsWordStart(QChar c)
{
    return c.isLetter() || c == '_';
}

bool IsWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == '_';
}

class Lexer
{
public:
    explicit Lexer(const QString &text) : text_(text) {}

    Token Next()
    {
        while (pos_ < text_.size() && text_.at(pos_).isSpace())
            ++pos_;
        Token token;
        token.position = pos_ + 1;
        if (pos_ >= text_.size())
            return token;
        const QChar c = text_.at(pos_);
        if (c == '(' || c == ')') {
            token.kind = c == '(' ? Token::Kind::LeftParenthesis : Token::Kind::RightParenthesis;
            token.text = c;
            ++pos_;
        } else if (c == '<' || c == '>' || c == '=') {
            token.kind = Token::Kind::Operator;
            const QString pair = text_.mid(pos_, 2);
            token.text = pair == "<>" || pair == "<=" || pair == ">=" ? pair : QString(c);
            pos_ += token.text.size();
        } else if (c == '\'') {
            token.kind = Token::Kind::String;
            token.text = Quoted('\'', '\'');
        } else if (c == '"') {
            token.kind = Token::Kind::QuotedName;
            token.text = Quoted('"', '"');
        } else if (c == '[') {
            token.kind = Token::Kind::QuotedName;
            token.text = Quoted('[', ']');
        } else if (c.isDigit() || (c == '-' && pos_ + 1 < text_.size() && text_.at(pos_ + 1).isDigit())) {
            token.kind = Token::Kind::Number;
            token.text = NumberText();
        } else if (IsWordStart(c)) {
            token.kind = Token::Kind::Word;
            const qsizetype start = pos_;
            while (pos_ < text_.size() && IsWordPart(text_.at(pos_)))
                ++pos_;
            token.text = text_.mid(start, pos_ - start);
        } else {
            token.kind = Token::Kind::Invalid;
            token.text = c;
            ++pos_;
        }
        return token;
    }

private:
    // The text between the quotes; a doubled closing quote stands for itself (not in [..]).
    QString Quoted(QChar open, QChar close)
    {
        const qsizetype start = pos_;
        QString value;
        ++pos_;
        while (pos_ < text_.size()) {
            const QChar c = text_.at(pos_++);
            if (c != close) {
                value.append(c);
            } else if (open != '[' && pos_ < text_.size() && text_.at(pos_) == close) {
                value.append(c);
                ++pos_;
            } else {
                return value;
            }
        }
        FilterError(text_, UnclosedQuoteText.arg(start + 1));
    }

    QString NumberText()
    {
        const qsizetype start = pos_;
        if (text_.at(pos_) == '-')
            ++pos_;
        while (pos_ < text_.size() && text_.at(pos_).isDigit())
            ++pos_;
        if (pos_ + 1 < text_.size() && text_.at(pos_) == '.' && text_.at(pos_ + 1).isDigit()) {
            ++pos_;
            while (pos_ < text_.size() && text_.at(pos_).isDigit())
                ++pos_;
        }
        return text_.mid(start, pos_ - start);
    }

    const QString &text_;
    qsizetype pos_ = 0;
};

bool IsKeyword(const Token &token, const char *keyword)
{
    return token.kind == Token::Kind::Word &&
           token.text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// Recursive descent with the usual precedence: not binds tighter than and, and than or.
class Parser
{
public:
    explicit Parser(const QString &text) : text_(text), lexer_(text) { Advance(); }

    TFilterNode Run()
    {
        TFilterNode root = Or();
        if (current_.kind != Token::Kind::End)
            Fail(UnexpectedText.arg(current_.position));
        return root;
    }

private:
    [[noreturn]] void Fail(const QString &detail) const { FilterError(text_, detail); }

    void Advance() { current_ = lexer_.Next(); }

    // A run of one junction becomes one node with all its operands, so that a long chain of
    // "or" (or "and") terms stays flat instead of nesting one level per term; a parenthesised run
    // of the same junction joins the outer run, since grouping does not change its meaning.
    static void AddOperand(TFilterNode &junction, TFilterNode operand)
    {
        if (operand.kind != junction.kind) {
            junction.operands.push_back(std::move(operand));
            return;
        }
        for (TFilterNode &inner : operand.operands)
            junction.operands.push_back(std::move(inner));
    }

    TFilterNode Junction(TFilterNode::Kind kind, const char *keyword, TFilterNode (Parser::*next)())
    {
        TFilterNode first = (this->*next)();
        if (!IsKeyword(current_, keyword))
            return first;
        TFilterNode node;
        node.kind = kind;
        AddOperand(node, std::move(first));
        while (IsKeyword(current_, keyword)) {
            Advance();
            AddOperand(node, (this->*next)());
        }
        return node;
    }

    TFilterNode Or() { return Junction(TFilterNode::Kind::Or, "or", &Parser::And); }

    TFilterNode And() { return Junction(TFilterNode::Kind::And, "and", &Parser::Not); }

    // Counts one level of nesting for as long as it lives.
    class Nesting
    {
    public:
        explicit Nesting(Parser &parser) : parser_(parser)
        {
            if (++parser_.depth_ > MaxFilterDepth)
                parser_.Fail(TooDeepText.arg(MaxFilterDepth).arg(parser_.current_.position));
        }
        ~Nesting() { --parser_.depth_; }
        Nesting(const Nesting &) = delete;
        Nesting &operator=(const Nesting &) = delete;

    private:
        Parser &parser_;
    };

    TFilterNode Not()
    {
        if (!IsKeyword(current_, "not"))
            return Primary();
        const Nesting nesting(*this);
        Advance();
        TFilterNode node;
        node.kind = TFilterNode::Kind::Not;
        node.operands.push_back(Not());
        return node;
    }

    TFilterNode Primary()
    {
        if (current_.kind != Token::Kind::LeftParenthesis)
            return Comparison();
        const Nesting nesting(*this);
        Advance();
        TFilterNode inner = Or();
        if (current_.kind != Token::Kind::RightParenthesis)
            Fail(ExpectedParenthesisText.arg(current_.position));
        Advance();
        return inner;
    }

    static bool IsReservedWord(const Token &token)
    {
        for (const char *word : {"and", "or", "not", "null", "true", "false"})
            if (IsKeyword(token, word))
                return true;
        return false;
    }

    TFilterNode Comparison()
    {
        TFilterNode node;
        if (current_.kind == Token::Kind::QuotedName ||
            (current_.kind == Token::Kind::Word && !IsReservedWord(current_)))
            node.fieldName = current_.text;
        else
            Fail(ExpectedFieldText.arg(current_.position));
        Advance();
        node.op = Operator();
        node.value = Operand();
        return node;
    }

    TFilterOperator Operator()
    {
        static const QList<std::pair<QString, TFilterOperator>> operators = {
            {"=", TFilterOperator::Equal},        {"<>", TFilterOperator::NotEqual},
            {"<", TFilterOperator::Less},         {">", TFilterOperator::Greater},
            {"<=", TFilterOperator::LessOrEqual}, {">=", TFilterOperator::GreaterOrEqual},
        };
        if (current_.kind == Token::Kind::Operator)
            for (const auto &[text, op] : operators)
                if (text == current_.text) {
                    Advance();
                    return op;
                }
        Fail(ExpectedOperatorText.arg(current_.position));
    }

    TFilterOperand Operand()
    {
        TFilterOperand operand;
        operand.text = current_.text;
        switch (current_.kind) {
        case Token::Kind::String:
            operand.kind = TFilterOperand::Kind::String;
            break;
        case Token::Kind::Number:
            operand.kind = TFilterOperand::Kind::Number;
            break;
        case Token::Kind::QuotedName:
            operand.kind = TFilterOperand::Kind::Field;
            break;
        case Token::Kind::Word:
            if (IsKeyword(current_, "null"))
                operand.kind = TFilterOperand::Kind::Null;
            else if (IsKeyword(current_, "true"))
                operand.kind = TFilterOperand::Kind::True;
            else if (IsKeyword(current_, "false"))
                operand.kind = TFilterOperand::Kind::False;
            else if (!IsReservedWord(current_))
                operand.kind = TFilterOperand::Kind::Field;
            else
                Fail(ExpectedValueText.arg(current_.position));
            break;
        default:
            Fail(ExpectedValueText.arg(current_.position));
        }
        Advance();
        return operand;
    }

    const QString &text_;
    Lexer lexer_;
    Token current_;
    int depth_ = 0;
};

bool IsText(TFieldType type)
{
    return type == TFieldType::ftString || type == TFieldType::ftMemo;
}

QString QuotedColumn(const QString &column)
{
    return '"' + QString(column).replace('"', QStringLiteral("\"\"")) + '"';
}

QString OperatorSql(TFilterOperator op)
{
    switch (op) {
    case TFilterOperator::Equal:
        return QStringLiteral("=");
    case TFilterOperator::NotEqual:
        return QStringLiteral("<>");
    case TFilterOperator::Less:
        return QStringLiteral("<");
    case TFilterOperator::Greater:
        return QStringLiteral(">");
    case TFilterOperator::LessOrEqual:
        return QStringLiteral("<=");
    case TFilterOperator::GreaterOrEqual:
        return QStringLiteral(">=");
    }
    return QStringLiteral("=");
}

// The stored form of a constant for a field of the given type (dates as ISO text, flags as
// 0/1). Raises EConvertError when the text is no value of that type.
QVariant StoredValue(const TFilterOperand &operand, TFieldType type)
{
    const QString &text = operand.text;
    switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftMemo:
        return text;
    case TFieldType::ftAutoInc:
    case TFieldType::ftInteger:
    case TFieldType::ftSmallint:
    case TFieldType::ftWord:
        return qlonglong(StrToInt(text));
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
        return StrToFloat(text);
    case TFieldType::ftBoolean:
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return qlonglong(1);
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return qlonglong(0);
        throw EConvertError(NotLogicalText.arg(text));
    case TFieldType::ftDate:
        return StrToDate(text).toString(Qt::ISODate);
    case TFieldType::ftTime:
        return StrToTime(text).toString(QStringLiteral("HH:mm:ss"));
    case TFieldType::ftDateTime: {
        const QString trimmed = text.trimmed();
        const qsizetype blank = trimmed.indexOf(' ');
        const QDate date = StrToDate(blank < 0 ? trimmed : trimmed.left(blank));
        const QTime time = blank < 0 ? QTime(0, 0) : StrToTime(trimmed.mid(blank + 1).trimmed());
        return date.toString(Qt::ISODate) + ' ' + time.toString(QStringLiteral("HH:mm:ss"));
    }
    case TFieldType::ftBlob:
    case TFieldType::ftGraphic:
        throw EConvertError(NotComparableText);
    case TFieldType::ftUnknown:
        break;
    }
    if (operand.kind != TFilterOperand::Kind::Number)
        return text;
    return text.contains('.') ? QVariant(StrToFloat(text)) : QVariant(text.toLongLong());
}

// The most terms SQL gets in one flat run of "and" or "or" (see SqlBuilder::Junction).
constexpr qsizetype JunctionGroup = 64;

class SqlBuilder
{
public:
    SqlBuilder(const QString &filterText, const FilterFieldResolver &resolve, TFilterOptions options)
        : filterText_(filterText), resolve_(resolve), options_(options)
    {
    }

    CompiledFilter Run(const TFilterNode &root)
    {
        result_.whereSql = Condition(root);
        return std::move(result_);
    }

private:
    [[noreturn]] void Fail(const QString &detail) const { FilterError(filterText_, detail); }

    QString Bind(const QVariant &value)
    {
        result_.values.append(value);
        return QStringLiteral("?");
    }

    QString Condition(const TFilterNode &node)
    {
        switch (node.kind) {
        case TFilterNode::Kind::And:
            return Junction(node, " AND ");
        case TFilterNode::Kind::Or:
            return Junction(node, " OR ");
        case TFilterNode::Kind::Not:
            // A condition is 1, 0 or unknown (a comparison with an empty field); the negation
            // holds unless the condition holds, so that SQL's unknown does not survive it. This
            // form also costs SQLite's parser the least for each nested "not".
            return '(' + Condition(node.operands.at(0)) + " IS NOT 1)";
        case TFilterNode::Kind::Comparison:
            return Comparison(node);
        }
        return QStringLiteral("0");
    }

    // The conditions of a junction, with those of nested junctions of the same kind (a tree
    // built by code may nest them), in order.
    void CollectOperands(const TFilterNode &node, TFilterNode::Kind kind, QStringList &conditions)
    {
        for (const TFilterNode &operand : node.operands) {
            if (operand.kind == kind)
                CollectOperands(operand, kind, conditions);
            else
                conditions.append(Condition(operand));
        }
    }

    // "(a OR b OR c)". SQLite's parser handles a flat run without growing its stack, but its
    // expression tree still deepens by one per term and it refuses depths over 1,000; a long
    // run is therefore written as flat groups of flat runs, which keeps the depth near
    // JunctionGroup per level. The operands are built in order so that the values stay in the
    // order of their placeholders.
    QString Junction(const TFilterNode &node, const char *junction)
    {
        QStringList conditions;
        CollectOperands(node, node.kind, conditions);
        if (conditions.isEmpty())
            // No operands: "and" of nothing holds, "or" of nothing does not.
            return node.kind == TFilterNode::Kind::And ? QStringLiteral("1") : QStringLiteral("0");
        const QLatin1String separator(junction);
        while (conditions.size() > JunctionGroup) {
            QStringList groups;
            for (qsizetype start = 0; start < conditions.size(); start += JunctionGroup)
                groups.append('(' + conditions.mid(start, JunctionGroup).join(separator) + ')');
            conditions = groups;
        }
        return '(' + conditions.join(separator) + ')';
    }

    FilterField Field(const QString &name) const
    {
        const std::optional<FilterField> field = resolve_(name);
        if (!field)
            Fail(UnknownFieldText.arg(name));
        return *field;
    }

    // Text compared without case goes through greek_fold on both sides.
    QString Folded(const QString &sql, TFieldType type) const
    {
        return options_.caseInsensitive && IsText(type) ? "greek_fold(" + sql + ')' : sql;
    }

    QString Comparison(const TFilterNode &node)
    {
        const FilterField field = Field(node.fieldName);
        const QString column = QuotedColumn(field.column);
        const TFilterOperand &value = node.value;
        const bool emptyText = IsText(field.type) && value.kind == TFilterOperand::Kind::String &&
                               value.text.isEmpty() &&
                               (node.op == TFilterOperator::Equal || node.op == TFilterOperator::NotEqual);
        if (value.kind == TFilterOperand::Kind::Null || emptyText)
            return EmptyTest(node.op, column, field.type);
        if (value.kind == TFilterOperand::Kind::Field) {
            const FilterField other = Field(value.text);
            const bool bothText = IsText(field.type) && IsText(other.type);
            return Folded(column, bothText ? field.type : TFieldType::ftUnknown) + ' ' +
                   OperatorSql(node.op) + ' ' +
                   Folded(QuotedColumn(other.column), bothText ? other.type : TFieldType::ftUnknown);
        }
        if (IsPrefix(node, field.type))
            return PrefixTest(node.op, column, value.text.chopped(1));
        const QString folded = Folded(column, field.type);
        return folded + ' ' + OperatorSql(node.op) + ' ' +
               Folded(Bind(Constant(node, field.type)), field.type);
    }

    // A field is empty when it is NULL; a text field also when it holds the empty string.
    QString EmptyTest(TFilterOperator op, const QString &column, TFieldType type) const
    {
        if (op != TFilterOperator::Equal && op != TFilterOperator::NotEqual)
            Fail(NullOperatorText);
        const bool equal = op == TFilterOperator::Equal;
        if (!IsText(type))
            return column + (equal ? " IS NULL" : " IS NOT NULL");
        return equal ? '(' + column + " IS NULL OR " + column + " = '')"
                     : '(' + column + " IS NOT NULL AND " + column + " <> '')";
    }

    // A string ending in '*' asks for the texts that begin with the rest.
    bool IsPrefix(const TFilterNode &node, TFieldType type) const
    {
        return !options_.noPartialCompare && IsText(type) &&
               node.value.kind == TFilterOperand::Kind::String && node.value.text.endsWith('*') &&
               (node.op == TFilterOperator::Equal || node.op == TFilterOperator::NotEqual);
    }

    QString PrefixTest(TFilterOperator op, const QString &column, const QString &prefix)
    {
        const QString length = "length(" + Folded(Bind(prefix), TFieldType::ftString) + ')';
        const QString start = "substr(" + Folded(column, TFieldType::ftString) + ", 1, " + length + ')';
        return start + ' ' + OperatorSql(op) + ' ' + Folded(Bind(prefix), TFieldType::ftString);
    }

    QVariant Constant(const TFilterNode &node, TFieldType type) const
    {
        const TFilterOperand &value = node.value;
        const bool logicalWord =
            value.kind == TFilterOperand::Kind::True || value.kind == TFilterOperand::Kind::False;
        try {
            if (logicalWord && type != TFieldType::ftBoolean)
                throw EConvertError(NotLogicalText.arg(value.text));
            return StoredValue(value, type);
        } catch (const EConvertError &error) {
            Fail(BadValueText.arg(value.text, node.fieldName, error.Message()));
        }
    }

    const QString &filterText_;
    const FilterFieldResolver &resolve_;
    TFilterOptions options_;
    CompiledFilter result_;
};

} // namespace

TFilterNode ParseFilter(const QString &filterText)
{
    return Parser(filterText).Run();
}

CompiledFilter CompileFilterTree(const TFilterNode &root, const QString &filterText,
                                 const FilterFieldResolver &resolve, TFilterOptions options)
{
    return SqlBuilder(filterText, resolve, options).Run(root);
}

CompiledFilter CompileFilter(const QString &filterText, const FilterFieldResolver &resolve,
                             TFilterOptions options)
{
    if (filterText.trimmed().isEmpty())
        return {QStringLiteral("1"), {}};
    return CompileFilterTree(ParseFilter(filterText), filterText, resolve, options);
}
