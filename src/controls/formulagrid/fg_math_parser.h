#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace tav::controls {

// The operators, operands and ends a formula is read as.
enum class TfgToken
{
    Plus,
    Minus,
    Times,
    Divide,
    Power,
    OpenParen,
    CloseParen,
    Number,
    Function,
    EndOfText,
    Invalid,
    Failed,
    Modulo
};

} // namespace tav::controls

// Evaluates the arithmetic of a cell formula: "+" and "-" lowest, then "*" and "/", then "MOD"
// (only after the first operand of a product), then "^" (right to left); a single "-" in front of
// an operand binds tightest. Operands are numbers (with "." as decimal point in any locale),
// names that OnGetVar resolves, the functions ABS ATAN COS EXP LN ROUND SIN SQRT SQR TRUNC over a
// parenthesised argument, and parenthesised expressions. A shift-reduce automaton over fixed
// tables computes while it reduces, on a stack of at most 15 entries.
//
// A syntax error sets ErrorCode (1 stack full, 3 operand expected, 4 operator or end expected,
// 5 "(" expected after a function, 6 "+", "-" or ")" expected, 7 a number that does not convert)
// and raises OnParseError. A math failure (division by zero, a logarithm or power of a
// non-positive number, an argument out of a function's range) gives the value 0 quietly. Both
// set HasError.
class TfgMathParser
{
public:
    static constexpr int kStackSize = 15;

    TfgMathParser() = default;

    QString ParseString;
    // Resolves a name as written in the formula; Found starts false.
    std::function<void(const QString &varName, long double &value, bool &found)> OnGetVar;
    std::function<void(int parseError)> OnParseError;

    void Evaluate();

    long double ResultValue = 0;
    bool HasError = false;
    int ErrorCode = 0;
    // 1-based position in ParseString where the error was found.
    int ErrorPosition = 0;

private:
    struct Entry
    {
        int State = 0;
        long double Value = 0;
        QString FuncName;
    };

    void NextToken();
    void ReadNumber();
    void ReadName();
    void Push(int state);
    void Reduce(int production);
    long double ApplyFunction(const QString &name, long double x);

    std::vector<Entry> stack_;
    tav::controls::TfgToken token_ = tav::controls::TfgToken::EndOfText;
    long double tokenValue_ = 0;
    QString tokenName_;
    int position_ = 0;   // 0-based index of the next character to read
    int tokenStart_ = 0; // 0-based index where the current token began
    bool mathFailed_ = false;
};
