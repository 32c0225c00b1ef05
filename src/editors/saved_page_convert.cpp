#include "editors/saved_page_convert.h"

#include "editors/result_text_format.h"

#include <QDate>
#include <QRegularExpression>

#include <optional>

namespace tav::editors {

namespace {

const char *const kMonths[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                               "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};

QString GroupLine(int count)
{
    return QString(49, QLatin1Char('-')) + QLatin1Char(' ') + QString::number(count);
}

QString WithoutTags(QString text)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return text.remove(tag);
}

// The text of the header before "</TH>" without its tags, the weekday dropped; none when the day
// is no number or names no real day. The month stays as it was when the header names none.
std::optional<QDate> HeaderDate(const QString &header, int year, int &month)
{
    QString text = WithoutTags(header.left(header.indexOf(QLatin1String("</TH>"))));
    text = text.mid(text.indexOf(QLatin1Char(' ')) + 1);
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const std::optional<int> day = ParseLayoutInteger(blank < 0 ? text : text.left(blank));
    if (!day)
        return std::nullopt;
    const QString rest = blank < 0 ? QString() : text.mid(blank + 1).toUpper();
    for (int index = 0; index < 12; ++index) {
        if (rest.contains(QLatin1String(kMonths[index])))
            month = index + 1;
    }
    if (!QDate::isValid(year, month, *day))
        return std::nullopt;
    return QDate(year, month, *day);
}

// The text of the left-aligned cell on the line, its tags removed.
QString CellText(const QString &line, const QString &tag)
{
    const qsizetype start = line.indexOf(tag) + tag.size();
    const qsizetype end = line.indexOf(QLatin1String("</TD>"), start);
    if (end < 0)
        return QString();
    return WithoutTags(line.mid(start, end - start));
}

} // namespace

QStringList ConvertSavedPage(const QStringList &lines, int year, const std::function<void()> &onBadDate)
{
    const QString cellTag = QStringLiteral("<TD align=left>");
    QStringList out;
    int month = 1;
    int count = 0;
    QString row;
    QString prefix;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QString line = lines[index];
        if (line.contains(QLatin1String("color=#ffffff>")) ||
            line.contains(QLatin1String("<TH class=body_bg_1 align=middle colSpan=4>"))) {
            std::optional<QDate> date;
            if (index + 1 < lines.size()) {
                line += lines[index + 1];
                date = HeaderDate(line, year, month);
            }
            if (date) {
                prefix = date->toString(QStringLiteral("dd/MM/yyyy")).rightJustified(10) + QLatin1Char(' ');
                if (count > 0)
                    out.append(GroupLine(count));
                count = 0;
            } else {
                onBadDate();
            }
        }
        if (line.contains(cellTag)) {
            const QString cell = CellText(line, cellTag);
            if (cell.trimmed() != QLatin1String("v"))
                row += cell.leftJustified(20);
        }
        if (line.contains(QLatin1String("</TR>"))) {
            out.append(prefix + QLatin1Char(' ') + row);
            row.clear();
            ++count;
        }
    }
    if (count > 0)
        out.append(GroupLine(count));
    return out;
}

} // namespace tav::editors
