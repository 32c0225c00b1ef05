#include "editors/result_pages.h"

#include "editors/result_text_format.h"
#include "platform/core/errors.h"
#include "platform/core/text_file.h"

#include <QDate>

#include <optional>

namespace tav::editors {

namespace {

const char *const kEnglishMonths[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                      "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
const char *const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const QString kRicuSeparator = QStringLiteral("  ") + QString(72, QLatin1Char('-'));
const QString kPhantisHeader = QString(72, QLatin1Char('-')) + QLatin1Char(' ');
// The end of the fixed part of a results page's title, which names the site.
const QString kRicuTitlePrefix = QStringLiteral("Results & Stats >");

// The date as text, or EConvertError when the parts name no real day.
QString DateText(int year, int month, int day)
{
    if (!QDate::isValid(year, month, day))
        throw EConvertError(
            QString::fromUtf8("Η ημερομηνία %1/%2/%3 δεν υπάρχει").arg(day).arg(month).arg(year));
    return QString::asprintf("%02d/%02d/%04d", day, month, year);
}

QString Message(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TPageKind PageKindOf(const QString &name)
{
    if (name.compare(QLatin1String("RICU"), Qt::CaseInsensitive) == 0)
        return TPageKind::Ricu;
    if (name.compare(QLatin1String("PHANTIS"), Qt::CaseInsensitive) == 0)
        return TPageKind::Phantis;
    return TPageKind::Table;
}

QString RicuDateToText(const QString &text)
{
    int month = 12;
    for (int index = 0; index < 11; ++index) {
        if (text.left(3) == QLatin1String(kShortMonths[index])) {
            month = index + 1;
            break;
        }
    }
    const std::optional<int> day = ParseLayoutInteger(text.mid(3, 3).trimmed());
    const std::optional<int> year = ParseLayoutInteger(text.mid(7, 5).trimmed());
    if (!day || !year)
        return QString();
    return DateText(*year, month, *day);
}

QString UsDateToText(const QString &text)
{
    const std::optional<int> month = ParseLayoutInteger(text.mid(0, 2));
    const std::optional<int> day = ParseLayoutInteger(text.mid(3, 2));
    const QString yearText = text.mid(6, 4).trimmed();
    std::optional<int> year = ParseLayoutInteger(yearText);
    if (!month || !day || !year)
        return QString();
    if (yearText.size() < 4)
        *year += 2000;
    return DateText(*year, *month, *day);
}

QString HeaderDateToText(const QString &text, int currentYear)
{
    const QStringList words = text.split(QLatin1Char(' '));
    if (words.size() < 3)
        return QString();
    const std::optional<int> day = ParseLayoutInteger(words[1]);
    const QString monthName = words.mid(2).join(QLatin1Char(' ')).trimmed();
    for (int index = 0; index < 12; ++index) {
        if (day && monthName == QLatin1String(kEnglishMonths[index]))
            return DateText(currentYear, index + 1, *day);
    }
    return QString();
}

void ConvertRicuPage(const QString &rawFile, const QString &textFile)
{
    const QString failed = Message("Σφάλμα στην αποθήκευση του αρχείου!");
    QStringList lines;
    try {
        lines = ReadTextLines(rawFile);
    } catch (const EInOutError &) {
        throw EInOutError(failed);
    }
    std::optional<TextFileWriter> out;
    try {
        out.emplace(textFile);
    } catch (const EInOutError &) {
        throw EInOutError(failed);
    }
    // Past the end of the page every read gives an empty line, as a reader at the end of a file does.
    qsizetype next = 0;
    const auto readLine = [&] { return next < lines.size() ? lines[next++] : QString(); };
    try {
        while (next < lines.size()) {
            const QString line = readLine();
            if (line.contains(QLatin1String("<P><HR><P>")))
                break;
            if (line.contains(QLatin1String("<TITLE>"))) {
                QString title = readLine();
                title = title.left(title.indexOf(QLatin1String("</TITLE>")));
                const qsizetype prefix = title.indexOf(kRicuTitlePrefix);
                if (prefix >= 0)
                    title = title.mid(prefix + kRicuTitlePrefix.size()).trimmed();
                out->WriteLine(title);
                out->WriteLine();
                out->WriteLine(kRicuSeparator);
                out->WriteLine();
            }
            if (!line.contains(QLatin1String("<HR><P>")))
                continue;
            readLine();
            QString match = readLine();
            QString date;
            for (bool first = true; !match.trimmed().isEmpty(); first = false) {
                const QString dateColumns = match.mid(0, 15);
                if (first || !dateColumns.trimmed().isEmpty())
                    date = RicuDateToText(dateColumns);
                const QString score = match.mid(49, 10);
                const qsizetype dash = score.indexOf(QLatin1Char('-'));
                const QString homeGoals = dash < 0 ? QString() : score.left(dash).trimmed();
                const QString awayGoals = dash < 0 ? score.trimmed() : score.mid(dash + 1).trimmed();
                out->WriteLine(ResultLine(date, match.mid(15, 16), match.mid(32, 16), homeGoals, awayGoals));
                match = readLine();
            }
            out->WriteLine(match);
            out->WriteLine(kRicuSeparator);
            out->WriteLine();
        }
        out->Close();
    } catch (const Exception &) {
        // What was written before the failure stays in the file.
        try {
            out->Close();
        } catch (const EInOutError &) {
        }
        throw EInOutError(failed);
    }
}

TPageWalker::TPageWalker(TPageKind kind, int currentYear, std::function<void(const QString &)> onError)
    : kind_(kind), currentYear_(currentYear), onError_(std::move(onError))
{
}

QStringList TPageWalker::Walk(const THtmlDocument &document)
{
    lines_.clear();
    date_.clear();
    header_.clear();
    cell_ = 0;
    for (QString &cell : cells_)
        cell.clear();
    WalkDocument(document);
    return lines_;
}

void TPageWalker::WalkDocument(const THtmlDocument &document)
{
    for (const THtmlElement &element : document.All()) {
        if (element.TagName == QLatin1String("FRAME") || element.TagName == QLatin1String("IFRAME")) {
            if (element.Content)
                WalkDocument(*element.Content);
        } else if (kind_ == TPageKind::Phantis) {
            WalkPhantisElement(element);
        } else {
            WalkTableElement(element);
        }
    }
}

void TPageWalker::WalkPhantisElement(const THtmlElement &element)
{
    QString &home = cells_[0];
    QString &away = cells_[1];
    QString &score = cells_[2];
    try {
        if (element.TagName == QLatin1String("TR")) {
            date_.clear();
            cell_ = 0;
        } else if (element.TagName == QLatin1String("TD")) {
            ++cell_;
            const QString &text = element.InnerText;
            if (cell_ == 1) {
                if (text.contains(QLatin1String("Day")))
                    lines_.prepend(kPhantisHeader + text);
                const qsizetype split = text.indexOf(QLatin1String(" -"));
                home = split < 0 ? QString() : text.left(split).trimmed();
                const qsizetype dash = text.indexOf(QLatin1Char('-'), qMax<qsizetype>(split, 0));
                away = dash < 0 ? QString() : text.mid(dash + 1).trimmed();
            } else if (cell_ == 2) {
                score = text;
            } else if (cell_ == 3 || cell_ == 4) {
                date_ = UsDateToText(text);
                if (!date_.trimmed().isEmpty())
                    lines_.prepend(date_.leftJustified(10) + QLatin1Char(' ') + home.leftJustified(20) +
                                   QLatin1Char('-') + away.leftJustified(20) + QLatin1Char(' ') + score);
            }
        }
    } catch (const Exception &error) {
        onError_(Message("Παρουσιάστηκε σφάλμα στη αποθήκευση ") + error.Message());
    }
}

void TPageWalker::WalkTableElement(const THtmlElement &element)
{
    try {
        if (element.TagName == QLatin1String("TH")) {
            header_ += QLatin1Char(' ') + element.InnerText;
            // A header naming an impossible day leaves the rows below it without a date.
            date_.clear();
            date_ = HeaderDateToText(header_.trimmed().toUpper(), currentYear_);
        } else if (element.TagName == QLatin1String("TR")) {
            header_.clear();
            cell_ = 0;
        } else if (element.TagName == QLatin1String("TD")) {
            ++cell_;
            if (cell_ > 5)
                return;
            cells_[cell_ - 1] = element.InnerText;
            const bool awayInThird = !cells_[2].trimmed().isEmpty();
            if (cell_ == 4 && awayInThird)
                lines_.append(ResultLine(date_, cells_[0], cells_[2], cells_[1], cells_[3]));
            else if (cell_ == 5 && !awayInThird)
                lines_.append(ResultLine(date_, cells_[0], cells_[3], cells_[1], cells_[4]));
        }
    } catch (const Exception &) {
        onError_(Message("Παρουσιάστηκε σφάλμα στη αποθήκευση"));
    }
}

} // namespace tav::editors
