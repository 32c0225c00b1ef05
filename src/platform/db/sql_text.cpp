#include "platform/db/sql_text.h"

namespace {

const QString TableSuffix = QStringLiteral(".db");

bool IsIdentifierStart(QChar c)
{
    return c.isLetter() || c == '_';
}

bool IsIdentifierPart(QChar c)
{
    return c.isLetterOrNumber() || c == '_' || c == '$';
}

bool HasTableSuffix(const QString &name)
{
    return name.size() > TableSuffix.size() && name.endsWith(TableSuffix, Qt::CaseInsensitive);
}

// Walks the text once, copying it to the output and rewriting only table suffixes and
// parameters outside literals, quoted identifiers and comments.
class SqlRewriter
{
public:
    explicit SqlRewriter(const QString &sql) : sql_(sql) {}

    PreparedSqlText Run()
    {
        while (pos_ < sql_.size()) {
            const QChar c = sql_.at(pos_);
            if (c == '\'')
                CopyStringLiteral();
            else if (c == '"' || c == '`')
                QuotedIdentifier(c, c);
            else if (c == '[')
                QuotedIdentifier('[', ']');
            else if (c == '-' && Peek(1) == '-')
                CopyUntil(QStringLiteral("\n"));
            else if (c == '/' && Peek(1) == '*')
                CopyUntil(QStringLiteral("*/"));
            else if (c == ':' && IsIdentifierStart(Peek(1)))
                Parameter();
            else if (IsIdentifierStart(c))
                Identifier();
            else if (c.isDigit())
                CopyWhile([](QChar ch) { return ch.isLetterOrNumber() || ch == '.'; });
            else
                result_.sql.append(sql_.at(pos_++));
        }
        return std::move(result_);
    }

private:
    QChar Peek(qsizetype offset) const
    {
        return pos_ + offset < sql_.size() ? sql_.at(pos_ + offset) : QChar();
    }

    template <typename Predicate> QString TakeWhile(Predicate predicate)
    {
        const qsizetype start = pos_;
        while (pos_ < sql_.size() && predicate(sql_.at(pos_)))
            ++pos_;
        return sql_.mid(start, pos_ - start);
    }

    template <typename Predicate> void CopyWhile(Predicate predicate)
    {
        result_.sql.append(TakeWhile(predicate));
    }

    // Copies through the end marker (included), or to the end of an unterminated text.
    void CopyUntil(const QString &endMarker)
    {
        const qsizetype found = sql_.indexOf(endMarker, pos_ + 2);
        const qsizetype end = found < 0 ? sql_.size() : found + endMarker.size();
        result_.sql.append(sql_.mid(pos_, end - pos_));
        pos_ = end;
    }

    // Index just past the closing quote; a doubled closing quote stands for itself.
    qsizetype ClosingQuoteEnd(QChar close) const
    {
        qsizetype i = pos_ + 1;
        while (i < sql_.size()) {
            if (sql_.at(i) == close) {
                if (close != ']' && i + 1 < sql_.size() && sql_.at(i + 1) == close) {
                    i += 2;
                    continue;
                }
                return i + 1;
            }
            ++i;
        }
        return sql_.size();
    }

    void CopyStringLiteral()
    {
        const qsizetype end = ClosingQuoteEnd('\'');
        result_.sql.append(sql_.mid(pos_, end - pos_));
        pos_ = end;
    }

    // A quoted table name with a suffix ("Agvnes.db") loses the suffix; any other quoted name is
    // copied as written.
    void QuotedIdentifier(QChar open, QChar close)
    {
        const qsizetype end = ClosingQuoteEnd(close);
        const bool closed = end - pos_ >= 2 && sql_.at(end - 1) == close;
        const QString name = sql_.mid(pos_ + 1, end - pos_ - (closed ? 2 : 1));
        if (closed && HasTableSuffix(name))
            result_.sql.append(open + name.chopped(TableSuffix.size()) + close);
        else
            result_.sql.append(sql_.mid(pos_, end - pos_));
        pos_ = end;
    }

    void Parameter()
    {
        ++pos_;
        result_.paramNames.append(TakeWhile(IsIdentifierPart));
        result_.sql.append('?');
    }

    // A bare table name followed by the suffix word: Agvnes.DB. When a column follows
    // (Agvnes.DB."date") the name is quoted so the qualifier reads as one table name.
    void Identifier()
    {
        const QString word = TakeWhile(IsIdentifierPart);
        if (Peek(0) == '.' && sql_.mid(pos_ + 1, 2).compare(QStringLiteral("db"), Qt::CaseInsensitive) == 0 &&
            !IsIdentifierPart(Peek(3))) {
            pos_ += 3;
            result_.sql.append(Peek(0) == '.' ? '"' + word + '"' : word);
            return;
        }
        result_.sql.append(word);
    }

    const QString &sql_;
    qsizetype pos_ = 0;
    PreparedSqlText result_;
};

} // namespace

PreparedSqlText PrepareSqlText(const QString &sql)
{
    return SqlRewriter(sql).Run();
}

QString StripTableSuffix(const QString &tableName)
{
    QString name = tableName.trimmed();
    if (name.size() >= 2 &&
        ((name.front() == '"' && name.back() == '"') || (name.front() == '[' && name.back() == ']') ||
         (name.front() == '`' && name.back() == '`')))
        name = name.mid(1, name.size() - 2);
    if (HasTableSuffix(name))
        name.chop(TableSuffix.size());
    return name;
}
