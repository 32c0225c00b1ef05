#include "platform/ui/db_edit_mask.h"

#include "platform/core/format.h"

#include <QStringList>

namespace {

// Characters that mean something in a QLineEdit mask and must be escaped as literals.
const QString QtMaskCharacters = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{}");

QString Literal(QChar character)
{
    return QtMaskCharacters.contains(character) ? QString('\\') + character : QString(character);
}

} // namespace

TEditMask::TEditMask(const QString &mask)
{
    if (mask.isEmpty())
        return;
    const QStringList sections = mask.split(';');
    const QString shape = sections.first();
    if (sections.size() > 1)
        saveLiterals_ = sections.at(1).trimmed() != QLatin1String("0");
    if (sections.size() > 2 && !sections.at(2).isEmpty())
        blank_ = sections.at(2).at(0);

    auto input = [this](const char *qt) {
        inputMask_ += QLatin1String(qt);
        positions_.append(Position{false});
    };
    auto literal = [this](QChar character) {
        inputMask_ += Literal(character);
        positions_.append(Position{true});
    };
    for (qsizetype i = 0; i < shape.size(); ++i) {
        const QChar c = shape.at(i);
        switch (c.unicode()) {
        case '!': // optional positions show as leading blanks: QLineEdit has no such switch
            break;
        case '>':
            if (i + 1 < shape.size() && shape.at(i + 1) == QLatin1Char('<')) {
                inputMask_ += QLatin1Char('!');
                ++i;
            } else {
                inputMask_ += QLatin1Char('>');
            }
            break;
        case '<':
            inputMask_ += QLatin1Char('<');
            break;
        case '\\':
            if (i + 1 < shape.size())
                literal(shape.at(++i));
            break;
        case 'L':
            input("A");
            break;
        case 'l':
            input("a");
            break;
        case 'A':
            input("N");
            break;
        case 'a':
            input("n");
            break;
        case 'C':
            input("X");
            break;
        case 'c':
            input("x");
            break;
        case '0':
            input("9");
            break;
        case '9':
            input("0");
            break;
        case '#':
            input("#");
            break;
        case ':':
            literal(GreekFormatSettings().TimeSeparator);
            break;
        case '/':
            literal(GreekFormatSettings().DateSeparator);
            break;
        case '_':
            literal(QLatin1Char(' '));
            break;
        default:
            literal(c);
        }
    }
    if (positions_.isEmpty())
        inputMask_.clear();
    else
        inputMask_ += QLatin1Char(';') + blank_;
}

QString TEditMask::TextFromDisplay(const QString &display) const
{
    if (IsEmpty())
        return display;
    QString text;
    for (qsizetype i = 0; i < positions_.size(); ++i) {
        const QChar shown = i < display.size() ? display.at(i) : blank_;
        if (positions_.at(i).literal) {
            if (saveLiterals_)
                text += shown;
        } else {
            text += shown == blank_ ? QLatin1Char(' ') : shown;
        }
    }
    return text;
}

bool TEditMask::IsBlank(const QString &display) const
{
    for (qsizetype i = 0; i < positions_.size(); ++i)
        if (!positions_.at(i).literal && i < display.size() && display.at(i) != blank_ &&
            display.at(i) != ' ')
            return false;
    return true;
}
