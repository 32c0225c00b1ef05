#include "controls/dataaware/dq_pict.h"

namespace {

bool IsComplete(TdqPictureResult result)
{
    return result == picComplete || result == picAmbiguous;
}

bool IsIncomplete(TdqPictureResult result)
{
    return result == picIncomplete || result == picIncompleteNoFill;
}

bool IsDigit(QChar c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(QChar c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c.unicode() > 128;
}

QChar AsciiUpper(QChar c)
{
    return c >= 'a' && c <= 'z' ? QChar(c.unicode() - 'a' + 'A') : c;
}

// Where automatic filling stops: a character that stands for input or structure. An escaped
// literal (";x") is filled as the literal.
bool StopsFilling(QChar c)
{
    return c.isNull() || QStringLiteral("!#&*,?@[]{}~").contains(c);
}

bool SyntaxOk(const QString &mask)
{
    if (mask.isEmpty() || mask.endsWith(';'))
        return false;
    if (mask.endsWith('*') && (mask.size() < 2 || mask.at(mask.size() - 2) != ';'))
        return false;
    int brackets = 0;
    int braces = 0;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        switch (mask.at(i).unicode()) {
        case ';':
            ++i;
            break;
        case '[':
            ++brackets;
            break;
        case ']':
            --brackets;
            break;
        case '{':
            ++braces;
            break;
        case '}':
            --braces;
            break;
        default:
            break;
        }
    }
    return brackets == 0 && braces == 0;
}

// One check of an input against a mask; i and j are 1-based positions in the mask and input.
class Checker
{
public:
    Checker(const QString &mask, QString &input) : mask_(mask), input_(input) {}

    TdqPictureResult Run(bool autoFill)
    {
        const int term = int(mask_.size()) + 1;
        i_ = j_ = 1;
        TdqPictureResult result = Scan(term);
        if (result != picError && result != picSyntax && j_ <= input_.size())
            result = picError;
        if (result == picIncomplete && autoFill) {
            bool grew = false;
            while (i_ <= mask_.size() && !StopsFilling(M(i_))) {
                if (M(i_) == ';')
                    ++i_;
                input_.append(M(i_));
                ++i_;
                grew = true;
            }
            i_ = j_ = 1;
            if (grew)
                result = Scan(term);
        }
        if (result == picAmbiguous)
            return picComplete;
        if (result == picIncompleteNoFill)
            return picIncomplete;
        return result;
    }

private:
    QChar M(int i) const { return i >= 1 && i <= mask_.size() ? mask_.at(i - 1) : QChar(); }

    void Consume(QChar c)
    {
        input_[j_ - 1] = c;
        ++j_;
        ++i_;
    }

    // The position after the item that starts at i, or term.
    int GroupEnd(int i, int term) const
    {
        int brackets = 0;
        int braces = 0;
        do {
            if (i >= term)
                return term;
            switch (M(i).unicode()) {
            case '[':
                ++brackets;
                break;
            case ']':
                --brackets;
                break;
            case '{':
                ++braces;
                break;
            case '}':
                --braces;
                break;
            case ';':
                ++i;
                break;
            case '*':
                ++i;
                while (IsDigit(M(i)))
                    ++i;
                i = GroupEnd(i, term);
                continue;
            default:
                break;
            }
            ++i;
        } while (brackets != 0 || braces != 0);
        return i;
    }

    // Moves i past the next alternative separator; false when no alternative is left.
    bool SkipToComma(int term)
    {
        while (i_ < term && M(i_) != ',')
            i_ = GroupEnd(i_, term);
        if (i_ < term && M(i_) == ',')
            ++i_;
        return i_ < term;
    }

    TdqPictureResult Scan(int term)
    {
        bool incomplete = false;
        int incompleteI = 0;
        int incompleteJ = 0;
        int oldI = i_;
        const int oldJ = j_;
        bool spaceMatch = false;
        TdqPictureResult result;
        do {
            result = Process(term, spaceMatch);
            if (IsComplete(result) && incomplete && j_ < incompleteJ) {
                result = picIncomplete;
                j_ = incompleteJ;
            }
            if (result == picError || result == picIncomplete) {
                if (!incomplete && result == picIncomplete) {
                    incomplete = true;
                    incompleteI = i_;
                    incompleteJ = j_;
                }
                i_ = oldI;
                j_ = oldJ;
                if (!SkipToComma(term)) {
                    if (incomplete) {
                        i_ = incompleteI;
                        j_ = incompleteJ;
                        return picIncomplete;
                    }
                    return result;
                }
                oldI = i_;
            }
        } while (result == picError || result == picIncomplete);
        if (result == picComplete && incomplete)
            result = picAmbiguous;
        return result;
    }

    TdqPictureResult Process(int term, bool &spaceMatch)
    {
        TdqPictureResult result = picEmpty;
        while (i_ != term && M(i_) != ',') {
            if (j_ > input_.size())
                return CheckComplete(result, term);
            const QChar c = input_.at(j_ - 1);
            switch (M(i_).unicode()) {
            case '#':
                if (!IsDigit(c))
                    return picError;
                Consume(c);
                break;
            case '?':
                if (!IsLetter(c))
                    return picError;
                Consume(c);
                break;
            case '&':
                if (!IsLetter(c))
                    return picError;
                Consume(c.toUpper());
                break;
            case '~':
                if (!IsLetter(c))
                    return picError;
                Consume(c.toLower());
                break;
            case '!':
                Consume(c.toUpper());
                break;
            case '@':
                Consume(c);
                break;
            case '*':
                result = Iteration(term);
                if (!IsComplete(result))
                    return result;
                break;
            case '{':
                result = Group(term);
                if (!IsComplete(result))
                    return result;
                break;
            case '[':
                result = Group(term);
                if (IsIncomplete(result))
                    return result;
                if (result == picError)
                    result = picAmbiguous;
                break;
            default: {
                if (M(i_) == ';')
                    ++i_;
                const QChar literal = M(i_);
                const bool last = j_ == input_.size();
                if (AsciiUpper(literal) == AsciiUpper(c)) {
                    if (c == ' ' && last)
                        spaceMatch = true;
                    Consume(literal);
                } else if (c == ' ' && last && !spaceMatch) {
                    Consume(literal);
                } else {
                    return picError;
                }
            }
            }
            result = result == picAmbiguous ? picIncompleteNoFill : picIncomplete;
        }
        return result == picIncompleteNoFill ? picAmbiguous : picComplete;
    }

    TdqPictureResult Group(int term)
    {
        const int end = GroupEnd(i_, term);
        ++i_;
        const TdqPictureResult result = Scan(end - 1);
        if (!IsIncomplete(result))
            i_ = end;
        return result;
    }

    TdqPictureResult Iteration(int term)
    {
        ++i_;
        int count = 0;
        while (IsDigit(M(i_))) {
            count = count * 10 + (M(i_).unicode() - '0');
            ++i_;
        }
        if (i_ >= term)
            return picSyntax;
        const int start = i_;
        const int end = GroupEnd(i_, term);
        TdqPictureResult result = picEmpty;
        if (count > 0) {
            for (int round = 0; round < count; ++round) {
                i_ = start;
                result = Scan(end);
                if (!IsComplete(result)) {
                    if (result == picEmpty)
                        return M(i_) == '[' ? picComplete : picIncomplete;
                    return result;
                }
            }
            i_ = end;
            return result;
        }
        int before = 0;
        do {
            i_ = start;
            before = j_;
            result = Scan(end);
        } while (j_ != before && IsComplete(result));
        if (result == picEmpty || result == picError)
            result = picAmbiguous;
        i_ = end;
        return result;
    }

    // The input ended inside an alternative: complete when the rest of it may stay empty.
    TdqPictureResult CheckComplete(TdqPictureResult result, int term) const
    {
        if (!IsIncomplete(result))
            return result;
        return MayStayEmpty(i_, term) ? picAmbiguous : result;
    }

    // Whether the mask from `from` up to `to` (or its first separator) holds only pieces that
    // may stay empty: optional groups, repetitions of any count, "*n[...]", and groups of which
    // some alternative may stay empty.
    bool MayStayEmpty(int from, int to) const
    {
        int k = from;
        while (k < to) {
            const QChar c = M(k);
            if (c == ',')
                return true;
            if (c == '[') {
                k = GroupEnd(k, to);
            } else if (c == '*' && !IsDigit(M(k + 1))) {
                k = GroupEnd(k + 1, to);
            } else if (c == '*' && M(k + 2) == '[') {
                k = GroupEnd(k + 2, to);
            } else if (c == '{') {
                const int end = GroupEnd(k, to);
                if (!GroupMayStayEmpty(k + 1, end - 1))
                    return false;
                k = end;
            } else {
                return false;
            }
        }
        return true;
    }

    bool GroupMayStayEmpty(int from, int closing) const
    {
        int k = from;
        for (;;) {
            if (MayStayEmpty(k, closing))
                return true;
            while (k < closing && M(k) != ',')
                k = GroupEnd(k, closing);
            if (k >= closing)
                return false;
            ++k;
        }
    }

    const QString &mask_;
    QString &input_;
    int i_ = 1;
    int j_ = 1;
};

} // namespace

TdqPictureValidator::TdqPictureValidator(const QString &mask, bool autoFill) : mask_(mask), fill_(autoFill)
{
    QString empty;
    if (CheckPicture(empty, false) != picEmpty)
        state_ = 1;
}

bool TdqPictureValidator::AcceptsInput(QString &s, bool suppressFill)
{
    if (mask_.isEmpty())
        return true;
    return CheckPicture(s, fill_ && !suppressFill) != picError;
}

bool TdqPictureValidator::AcceptsValue(const QString &s)
{
    if (mask_.isEmpty())
        return true;
    QString copy = s;
    const TdqPictureResult result = CheckPicture(copy, false);
    return result == picComplete || result == picEmpty;
}

TdqPictureResult TdqPictureValidator::CheckPicture(QString &input, bool autoFill)
{
    if (!SyntaxOk(mask_))
        return picSyntax;
    if (input.isEmpty())
        return picEmpty;
    return Checker(mask_, input).Run(autoFill);
}
