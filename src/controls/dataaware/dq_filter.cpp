#include "controls/dataaware/dq_filter.h"

#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/db/db_errors.h"
#include "platform/db/field.h"
#include "platform/db/schema.h"

#include <vector>

namespace tav::controls {

namespace {

constexpr int MaxOperandSize = 64;

const QString FieldNotFoundText = QStringLiteral("Field not found in Table. ");

void WarnFieldNotFound(const QString &name)
{
    MessageDlg(FieldNotFoundText + '\r' + name, mtWarning, {mbOK});
}

bool IsNameStart(QChar c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c.unicode() >= 146 ||
           QStringLiteral("!#$*+-/@_`").contains(c);
}

bool IsNamePart(QChar c)
{
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == ' ';
}

TNode::TLiteralKind LiteralKindOf(TFieldType type)
{
    switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftMemo:
        return TNode::lkString;
    case TFieldType::ftSmallint:
    case TFieldType::ftWord:
        return TNode::lkSmallInt;
    case TFieldType::ftInteger:
    case TFieldType::ftAutoInc:
        return TNode::lkInteger;
    case TFieldType::ftBoolean:
        return TNode::lkBoolean;
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
        return TNode::lkFloat;
    case TFieldType::ftDate:
        return TNode::lkDate;
    case TFieldType::ftTime:
        return TNode::lkTime;
    case TFieldType::ftDateTime:
        return TNode::lkDateTime;
    default:
        return TNode::lkField;
    }
}

// Recursive descent over the expression; a token is looked at without being taken and taken
// only when the grammar accepts it.
class FilterParser
{
public:
    FilterParser(const QString &text, const TDataSet &dataSet) : text_(text), dataSet_(dataSet) {}

    std::unique_ptr<TNode> Run()
    {
        if (!Expression() || nodes_.size() != 1)
            return nullptr;
        return std::move(nodes_.back());
    }

private:
    QString Peek()
    {
        while (pos_ < text_.size() && (text_.at(pos_) == ' ' || text_.at(pos_) == '\t'))
            ++pos_;
        if (pos_ >= text_.size())
            return QString();
        const QChar c = text_.at(pos_);
        if (c == '(' || c == ')')
            return c;
        if (c == '<' || c == '=' || c == '>') {
            const QChar next = pos_ + 1 < text_.size() ? text_.at(pos_ + 1) : QChar();
            return next == '<' || next == '=' || next == '>' ? QString(c) + next : QString(c);
        }
        if (expectLogical_) {
            for (const char *word : {"AND", "OR"})
                if (text_.mid(pos_, qstrlen(word)).compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
                    return text_.mid(pos_, qstrlen(word));
        }
        qsizetype end = pos_;
        if (IsNameStart(c)) {
            while (end < text_.size() && IsNamePart(text_.at(end)))
                ++end;
            return text_.mid(pos_, end - pos_);
        }
        if (c.isDigit()) {
            const QChar separator = GreekFormatSettings().DecimalSeparator;
            while (end < text_.size() && text_.at(end).isDigit())
                ++end;
            if (end < text_.size() && text_.at(end) == separator) {
                ++end;
                while (end < text_.size() && text_.at(end).isDigit())
                    ++end;
            }
            return text_.mid(pos_, end - pos_);
        }
        if (c == '"') {
            end = text_.indexOf('"', pos_ + 1);
            return end < 0 ? QString() : text_.mid(pos_, end - pos_ + 1);
        }
        return QString();
    }

    void Take(const QString &token) { pos_ += token.size(); }

    bool Expression()
    {
        if (!Comparison())
            return false;
        for (;;) {
            expectLogical_ = true;
            const QString token = Peek();
            expectLogical_ = false;
            const QString word = token.toUpper();
            if (word != "AND" && word != "OR")
                return true;
            Take(token);
            if (!Comparison() || !MakeNode(TNode::nkLogical, word))
                return false;
        }
    }

    bool Comparison()
    {
        if (!Sum())
            return false;
        const QString token = Peek();
        static const QStringList operators{"<", "<>", "<=", ">=", "=", ">"};
        if (!operators.contains(token))
            return true;
        Take(token);
        return Sum() && MakeNode(TNode::nkComparison, token);
    }

    bool Sum()
    {
        if (!Product())
            return false;
        for (;;) {
            const QString token = Peek();
            if (token != "+" && token != "-")
                return true;
            Take(token);
            if (!Product() || !MakeNode(TNode::nkArithmetic, token))
                return false;
        }
    }

    // The right operand is a whole product: a chain groups from the right.
    bool Product()
    {
        if (!Factor())
            return false;
        const QString token = Peek();
        if (token != "*" && token != "/")
            return true;
        Take(token);
        return Product() && MakeNode(TNode::nkArithmetic, token);
    }

    bool Factor()
    {
        const QString token = Peek();
        if (token.isEmpty() || token == ")" || token.at(0) == '<' || token.at(0) == '=' || token.at(0) == '>')
            return false;
        Take(token);
        if (token == "(") {
            if (!Expression() || Peek() != ")")
                return false;
            Take(QStringLiteral(")"));
            return true;
        }
        auto leaf = std::make_unique<TNode>();
        leaf->Text = token.trimmed().left(MaxOperandSize);
        nodes_.push_back(std::move(leaf));
        return true;
    }

    bool MakeNode(TNode::TNodeKind kind, const QString &op)
    {
        if (nodes_.size() < 2)
            return false;
        auto node = std::make_unique<TNode>();
        node->Kind = kind;
        node->Text = op;
        node->Right = std::move(nodes_.back());
        nodes_.pop_back();
        node->Left = std::move(nodes_.back());
        nodes_.pop_back();
        if (node->Left->Kind == TNode::nkOperand) {
            const TField *field = dataSet_.FindField(node->Left->Text);
            if (!field) {
                WarnFieldNotFound(node->Left->Text);
                return false;
            }
            if (node->Right->Kind == TNode::nkOperand)
                node->Right->LiteralKind = LiteralKindOf(field->DataType());
        }
        nodes_.push_back(std::move(node));
        return true;
    }

    const QString &text_;
    const TDataSet &dataSet_;
    qsizetype pos_ = 0;
    bool expectLogical_ = false;
    std::vector<std::unique_ptr<TNode>> nodes_;
};

QVariant ConstantValue(const TNode &leaf)
{
    // A constant may be written in double quotes (a date must be: its slashes would end it).
    const bool quoted = leaf.Text.size() >= 2 && leaf.Text.startsWith('"') && leaf.Text.endsWith('"');
    const QString text = quoted ? leaf.Text.mid(1, leaf.Text.size() - 2) : leaf.Text;
    switch (leaf.LiteralKind) {
    case TNode::lkString:
        return text;
    case TNode::lkSmallInt:
    case TNode::lkInteger:
        return qlonglong(StrToInt(text));
    case TNode::lkBoolean:
        return qlonglong(text.startsWith('T', Qt::CaseInsensitive) ? 1 : 0);
    case TNode::lkFloat:
        return StrToFloat(text);
    case TNode::lkDate:
        return FieldValueToStorage(StrToDate(text), TFieldType::ftDate);
    case TNode::lkTime:
        return FieldValueToStorage(StrToTime(text), TFieldType::ftTime);
    default: {
        const qsizetype blank = text.indexOf(' ');
        const QDate date = StrToDate(blank < 0 ? text : text.left(blank));
        const QTime time = blank < 0 ? QTime(0, 0) : StrToTime(text.mid(blank + 1).trimmed());
        return FieldValueToStorage(QDateTime(date, time), TFieldType::ftDateTime);
    }
    }
}

bool WriteSql(const TNode &node, const TDataSet &dataSet, CompiledFilter &into)
{
    if (node.Kind == TNode::nkOperand) {
        if (node.LiteralKind != TNode::lkField) {
            into.whereSql += '?';
            into.values.append(ConstantValue(node));
            return true;
        }
        const TField *field = dataSet.FindField(node.Text);
        if (!field || !field->IsDataField()) {
            WarnFieldNotFound(node.Text);
            return false;
        }
        into.whereSql += QuoteIdentifier(field->FieldName());
        return true;
    }
    into.whereSql += '(';
    if (!WriteSql(*node.Left, dataSet, into))
        return false;
    into.whereSql += ' ' + node.Text + ' ';
    if (!WriteSql(*node.Right, dataSet, into))
        return false;
    into.whereSql += ')';
    return true;
}

void Refresh(TDataSet &dataSet)
{
    if (dataSet.Active())
        dataSet.Refresh();
}

} // namespace

std::unique_ptr<TNode> dqParseFilter(const QString &expression, const TDataSet &dataSet)
{
    return FilterParser(expression, dataSet).Run();
}

std::optional<CompiledFilter> dqCompileFilter(const TNode &root, const TDataSet &dataSet)
{
    CompiledFilter filter;
    if (!WriteSql(root, dataSet, filter))
        return std::nullopt;
    return filter;
}

void dqDropFilter(TDataSet &dataSet, TdqFilterHandle &handle)
{
    if (handle == TdqFilterHandle::Record)
        dataSet.SetRecordFilter({});
    else if (handle == TdqFilterHandle::Expression)
        dataSet.SetExpressionCondition(std::nullopt);
    handle = TdqFilterHandle::None;
}

bool dqSetRecordFilter(const TRecordFilter &callback, TDataSet &dataSet, TdqFilterHandle &handle)
{
    dqDropFilter(dataSet, handle);
    if (callback) {
        if (!dataSet.Active())
            return false;
        dataSet.SetRecordFilter(callback);
        handle = TdqFilterHandle::Record;
    }
    Refresh(dataSet);
    return true;
}

bool dqSetExpressionFilter(const QString &expression, TDataSet &dataSet, TdqFilterHandle &handle, bool force)
{
    if (!dataSet.Active() && !force) {
        handle = TdqFilterHandle::None;
        return true;
    }
    if (expression.trimmed().isEmpty()) {
        dqDropFilter(dataSet, handle);
        Refresh(dataSet);
        return true;
    }
    const std::unique_ptr<TNode> root = dqParseFilter(expression, dataSet);
    std::optional<CompiledFilter> compiled = root ? dqCompileFilter(*root, dataSet) : std::nullopt;
    if (!compiled) {
        dqDropFilter(dataSet, handle);
        Refresh(dataSet);
        return false;
    }
    dqDropFilter(dataSet, handle);
    dataSet.SetExpressionCondition(std::move(compiled));
    handle = TdqFilterHandle::Expression;
    try {
        Refresh(dataSet);
    } catch (const EDatabaseError &) {
        // The store refused the condition: the records show unfiltered.
        dqDropFilter(dataSet, handle);
        Refresh(dataSet);
        return false;
    }
    return true;
}

} // namespace tav::controls
