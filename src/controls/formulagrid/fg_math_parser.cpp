#include "controls/formulagrid/fg_math_parser.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <string>

using tav::controls::TfgToken;

namespace {

enum class Act
{
    Shift,
    Reduce,
    Accept,
    FailAccept, // the failure mark "!": the evaluation ends as a math failure
    Error
};

// One line of the action table: in `state`, on `token` (Any: every other token), do `act` with
// `arg` (the state shifted to, the production reduced, or the error code).
constexpr int Any = -1;
struct ActionRow
{
    int state;
    int token;
    Act act;
    int arg;
};

constexpr int T(TfgToken token)
{
    return static_cast<int>(token);
}

// States that expect an operand share one set of lines, listed once per state below.
constexpr int kOperandStates[] = {0, 9, 12, 13, 14, 15, 16, 20, 40};

const std::vector<ActionRow> &ActionTable()
{
    static const std::vector<ActionRow> table = [] {
        std::vector<ActionRow> rows;
        for (int state : kOperandStates) {
            rows.push_back({state, T(TfgToken::Number), Act::Shift, 10});
            rows.push_back({state, T(TfgToken::Function), Act::Shift, 11});
            rows.push_back({state, T(TfgToken::Minus), Act::Shift, 5});
            rows.push_back({state, T(TfgToken::OpenParen), Act::Shift, 9});
            rows.push_back({state, T(TfgToken::Failed), Act::FailAccept, 0});
            rows.push_back({state, Any, Act::Error, 3});
        }
        const ActionRow rest[] = {
            {1, T(TfgToken::EndOfText), Act::Accept, 0},
            {1, T(TfgToken::Plus), Act::Shift, 12},
            {1, T(TfgToken::Minus), Act::Shift, 13},
            {1, Any, Act::Error, 4},
            {2, T(TfgToken::Times), Act::Shift, 14},
            {2, T(TfgToken::Divide), Act::Shift, 15},
            {2, Any, Act::Reduce, 3},
            {3, T(TfgToken::Modulo), Act::Shift, 40},
            {3, Any, Act::Reduce, 6},
            {4, T(TfgToken::Power), Act::Shift, 16},
            {4, Any, Act::Reduce, 8},
            {5, T(TfgToken::Number), Act::Shift, 10},
            {5, T(TfgToken::Function), Act::Shift, 11},
            {5, T(TfgToken::OpenParen), Act::Shift, 9},
            {5, Any, Act::Error, 3},
            {6, Any, Act::Reduce, 10},
            {8, Any, Act::Reduce, 12},
            {10, Any, Act::Reduce, 15},
            {17, Any, Act::Reduce, 9},
            {11, T(TfgToken::OpenParen), Act::Shift, 20},
            {11, Any, Act::Error, 5},
            {19, T(TfgToken::Plus), Act::Shift, 12},
            {19, T(TfgToken::Minus), Act::Shift, 13},
            {19, T(TfgToken::CloseParen), Act::Shift, 27},
            {19, Any, Act::Error, 6},
            {21, T(TfgToken::Times), Act::Shift, 14},
            {21, T(TfgToken::Divide), Act::Shift, 15},
            {21, Any, Act::Reduce, 1},
            {22, T(TfgToken::Times), Act::Shift, 14},
            {22, T(TfgToken::Divide), Act::Shift, 15},
            {22, Any, Act::Reduce, 2},
            {23, Any, Act::Reduce, 4},
            {24, Any, Act::Reduce, 5},
            {25, Any, Act::Reduce, 7},
            {27, Any, Act::Reduce, 14},
            {28, T(TfgToken::Plus), Act::Shift, 12},
            {28, T(TfgToken::Minus), Act::Shift, 13},
            {28, T(TfgToken::CloseParen), Act::Shift, 29},
            {28, Any, Act::Error, 6},
            {29, Any, Act::Reduce, 16},
            {80, Any, Act::Reduce, 100},
        };
        rows.insert(rows.end(), std::begin(rest), std::end(rest));
        return rows;
    }();
    return table;
}

// One line of the goto table: after reducing one of `productions` with `from` on top, push `to`.
struct GotoRow
{
    std::initializer_list<int> productions;
    std::initializer_list<int> from;
    int to;
};

const GotoRow kGotoTable[] = {
    {{1, 2, 3}, {0}, 1},
    {{1, 2, 3}, {9}, 19},
    {{1, 2, 3}, {20}, 28},
    {{4, 5, 6}, {0, 9, 20}, 2},
    {{4, 5, 6}, {12}, 21},
    {{4, 5, 6}, {13}, 22},
    {{7, 8, 100}, {0, 9, 12, 13, 20}, 3},
    {{7, 8, 100}, {14}, 23},
    {{7, 8, 100}, {15}, 24},
    {{7, 8, 100}, {16}, 25},
    {{7, 8, 100}, {40}, 80},
    {{9, 10}, {0, 9, 12, 13, 14, 15, 16, 20, 40}, 4},
    {{11, 12}, {0, 9, 12, 13, 14, 15, 16, 20, 40}, 6},
    {{11, 12}, {5}, 17},
    {{13, 14, 15, 16}, {0, 5, 9, 12, 13, 14, 15, 16, 20, 40}, 8},
};

bool Contains(std::initializer_list<int> list, int value)
{
    for (int item : list)
        if (item == value)
            return true;
    return false;
}

int GotoState(int production, int from)
{
    for (const GotoRow &row : kGotoTable)
        if (Contains(row.productions, production) && Contains(row.from, from))
            return row.to;
    throw std::logic_error("Invalid reduction");
}

const ActionRow &ActionFor(int state, TfgToken token)
{
    const ActionRow *fallback = nullptr;
    for (const ActionRow &row : ActionTable()) {
        if (row.state != state)
            continue;
        if (row.token == T(token))
            return row;
        if (row.token == Any)
            fallback = &row;
    }
    if (!fallback)
        throw std::logic_error("Bad token state");
    return *fallback;
}

constexpr int kMaxNumberLength = 80;
constexpr int kMaxExponentDigits = 4;
constexpr long double kExpLimit = 11356;
const char *const kFunctions[] = {"ABS", "ATAN", "COS", "EXP", "LN", "ROUND", "SIN", "SQRT", "SQR", "TRUNC"};

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool IsLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The decimal conversion with "." as decimal point whatever the locale; the whole text must read.
bool ToNumber(const QString &text, long double &value)
{
    const std::string digits = text.toStdString();
    const char *end = digits.data() + digits.size();
    const auto result = std::from_chars(digits.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

} // namespace

void TfgMathParser::NextToken()
{
    while (position_ < ParseString.size() && ParseString[position_] == u' ')
        ++position_;
    tokenStart_ = position_;
    if (position_ >= ParseString.size()) {
        token_ = TfgToken::EndOfText;
        return;
    }
    const QChar c = ParseString[position_];
    if (c == u'!') {
        ++position_;
        token_ = TfgToken::Failed;
    } else if (IsDigit(c) || c == u'.') {
        ReadNumber();
    } else if (IsLetter(c)) {
        ReadName();
    } else {
        ++position_;
        switch (c.unicode()) {
        case u'+':
            token_ = TfgToken::Plus;
            break;
        case u'-':
            token_ = TfgToken::Minus;
            break;
        case u'*':
            token_ = TfgToken::Times;
            break;
        case u'/':
            token_ = TfgToken::Divide;
            break;
        case u'^':
            token_ = TfgToken::Power;
            break;
        case u'(':
            token_ = TfgToken::OpenParen;
            break;
        case u')':
            token_ = TfgToken::CloseParen;
            break;
        default:
            token_ = TfgToken::Invalid;
            break;
        }
    }
}

void TfgMathParser::ReadNumber()
{
    const QString &s = ParseString;
    int end = position_;
    const bool leadingPoint = s[end] == u'.';
    bool pointSeen = false;
    while (end < s.size() && (IsDigit(s[end]) || s[end] == u'.')) {
        if (s[end] == u'.') {
            if (leadingPoint && pointSeen)
                break;
            pointSeen = true;
        }
        ++end;
    }
    if (end - position_ == 1 && s[position_] == u'.') {
        position_ = end;
        token_ = TfgToken::Invalid;
        return;
    }
    if (end < s.size() && (s[end] == u'E' || s[end] == u'e')) {
        ++end;
        if (end < s.size() && (s[end] == u'+' || s[end] == u'-'))
            ++end;
        for (int digits = 0; digits < kMaxExponentDigits && end < s.size() && IsDigit(s[end]); ++digits)
            ++end;
    }
    QString text = s.mid(position_, std::min(end - position_, kMaxNumberLength));
    if (leadingPoint)
        text.prepend(u'0');
    long double value = 0;
    if (!ToNumber(text, value)) {
        mathFailed_ = true;
        ErrorCode = 7;
        return;
    }
    position_ = end;
    tokenValue_ = value;
    token_ = TfgToken::Number;
}

void TfgMathParser::ReadName()
{
    int end = position_;
    while (end < ParseString.size() &&
           (IsLetter(ParseString[end]) || IsDigit(ParseString[end]) || ParseString[end] == u'_'))
        ++end;
    const QString name = ParseString.mid(position_, end - position_);
    position_ = end;
    const QString upper = name.toUpper();
    for (const char *function : kFunctions) {
        if (upper == QLatin1String(function)) {
            token_ = TfgToken::Function;
            tokenName_ = upper;
            return;
        }
    }
    if (upper == u"MOD") {
        token_ = TfgToken::Modulo;
        return;
    }
    long double value = 0;
    bool found = false;
    if (OnGetVar)
        OnGetVar(name, value, found);
    token_ = found ? TfgToken::Number : TfgToken::Invalid;
    tokenValue_ = value;
}

void TfgMathParser::Push(int state)
{
    if (int(stack_.size()) >= kStackSize) {
        ErrorCode = 1;
        return;
    }
    Entry entry;
    entry.State = state;
    entry.Value = tokenValue_;
    if (token_ == TfgToken::Function)
        entry.FuncName = tokenName_;
    stack_.push_back(entry);
}

long double TfgMathParser::ApplyFunction(const QString &name, long double x)
{
    const auto inRange = [&](long double low, long double high) {
        if (x >= low && x <= high)
            return true;
        mathFailed_ = true;
        return false;
    };
    if (name == u"ABS")
        return std::fabs(x);
    if (name == u"ATAN")
        return std::atan(x);
    if (name == u"COS")
        return inRange(-9e18L, 9e18L) ? std::cos(x) : 0;
    if (name == u"EXP")
        return inRange(-kExpLimit, kExpLimit) ? std::exp(x) : 0;
    if (name == u"LN") {
        if (x > 0)
            return std::log(x);
        mathFailed_ = true;
        return 0;
    }
    if (name == u"ROUND")
        return inRange(-1e9L, 1e9L) ? std::nearbyint(x) : 0;
    if (name == u"SIN")
        return inRange(-9e18L, 9e18L) ? std::sin(x) : 0;
    if (name == u"SQRT") {
        if (x >= 0)
            return std::sqrt(x);
        mathFailed_ = true;
        return 0;
    }
    if (name == u"SQR")
        return inRange(-1e2466L, 1e2466L) ? x * x : 0;
    return inRange(-1e9L, 1e9L) ? std::trunc(x) : 0; // TRUNC
}

void TfgMathParser::Reduce(int production)
{
    const auto pop = [&](int count) {
        std::vector<Entry> popped(stack_.end() - count, stack_.end());
        stack_.resize(stack_.size() - count);
        return std::vector<Entry>(popped.rbegin(), popped.rend()); // first popped first
    };
    long double value = 0;
    switch (production) {
    case 1:
    case 2:
    case 4:
    case 5:
    case 7:
    case 100: {
        const auto e = pop(3);
        const long double right = e[0].Value;
        const long double left = e[2].Value;
        if (production == 1) {
            value = right + left;
        } else if (production == 2) {
            value = left - right;
        } else if (production == 4) {
            value = right * left;
        } else if (production == 5) {
            if (right == 0)
                mathFailed_ = true;
            else
                value = left / right;
        } else if (production == 7) {
            const long double t = left > 0 ? right * std::log(left) : 0;
            if (left <= 0 || t < -kExpLimit || t > kExpLimit)
                mathFailed_ = true;
            else
                value = std::exp(t);
        } else {
            if (right == 0 || std::llrint(right) == 0)
                mathFailed_ = true;
            else
                value = std::llrint(left) % std::llrint(right);
        }
        break;
    }
    case 3:
    case 6:
    case 8:
    case 10:
    case 12:
    case 15:
        value = pop(1)[0].Value;
        break;
    case 9:
        value = -pop(2)[0].Value;
        break;
    case 14:
        value = pop(3)[1].Value;
        break;
    case 16: {
        const auto e = pop(4);
        value = ApplyFunction(e[3].FuncName, e[1].Value);
        break;
    }
    default:
        throw std::logic_error("Invalid reduction");
    }
    const int state = GotoState(production, stack_.back().State);
    tokenValue_ = value;
    const TfgToken token = token_;
    token_ = TfgToken::Number; // the pushed entry carries a value, never a function name
    Push(state);
    token_ = token;
}

void TfgMathParser::Evaluate()
{
    position_ = 0;
    stack_.clear();
    ErrorCode = 0;
    mathFailed_ = false;
    tokenValue_ = 0;
    token_ = TfgToken::Number;
    Push(0);
    NextToken();
    bool accepted = false;
    while (!accepted && ErrorCode == 0) {
        const ActionRow &action = ActionFor(stack_.back().State, token_);
        switch (action.act) {
        case Act::Shift:
            Push(action.arg);
            if (ErrorCode == 0)
                NextToken();
            break;
        case Act::Reduce:
            Reduce(action.arg);
            break;
        case Act::Accept:
            accepted = true;
            break;
        case Act::FailAccept:
            mathFailed_ = true;
            accepted = true;
            break;
        case Act::Error:
            ErrorCode = action.arg;
            position_ = tokenStart_;
            break;
        }
    }
    ErrorPosition = (ErrorCode == 7 ? tokenStart_ : position_) + 1;
    if (ErrorCode != 0 && OnParseError)
        OnParseError(ErrorCode);
    HasError = mathFailed_ || ErrorCode != 0;
    ResultValue = HasError ? 0 : stack_.back().Value;
}
