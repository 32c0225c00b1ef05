#include "platform/db/sql_order.h"

#include "platform/db/greek_collation.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace {

enum class TokenKind
{
    Word,
    QuotedName,
    Other,
};

// A token of the text that matters here: words, quoted names and single characters; literals,
// numbers, blanks and comments are skipped.
struct Token
{
    TokenKind kind;
    QString text;
    qsizetype end;

    bool IsWord(const char *word) const
    {
        return kind == TokenKind::Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool Is(char c) const { return kind == TokenKind::Other && text == QLatin1Char(c); }
};

bool IsNameStart(QChar c)
{
    return c.isLetter() || c == '_';
}

bool IsNamePart(QChar c)
{
    return c.isLetterOrNumber() || c == '_' || c == '$';
}

// The end of a quoted text from its opening character; a doubled closing quote stands for itself.
qsizetype QuotedEnd(const QString &sql, qsizetype start, QChar close, QString *inner)
{
    qsizetype i = start + 1;
    while (i < sql.size()) {
        if (sql.at(i) == close) {
            if (close != ']' && i + 1 < sql.size() && sql.at(i + 1) == close) {
                if (inner)
                    inner->append(close);
                i += 2;
                continue;
            }
            return i + 1;
        }
        if (inner)
            inner->append(sql.at(i));
        ++i;
    }
    return sql.size();
}

QList<Token> Tokenize(const QString &sql)
{
    QList<Token> tokens;
    qsizetype pos = 0;
    while (pos < sql.size()) {
        const QChar c = sql.at(pos);
        const QChar next = pos + 1 < sql.size() ? sql.at(pos + 1) : QChar();
        if (c.isSpace()) {
            ++pos;
        } else if (c == '-' && next == '-') {
            const qsizetype end = sql.indexOf('\n', pos);
            pos = end < 0 ? sql.size() : end + 1;
        } else if (c == '/' && next == '*') {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), pos + 2);
            pos = end < 0 ? sql.size() : end + 2;
        } else if (c == '\'') {
            pos = QuotedEnd(sql, pos, '\'', nullptr);
        } else if (c == '"' || c == '`' || c == '[') {
            QString name;
            pos = QuotedEnd(sql, pos, c == '[' ? QChar(']') : c, &name);
            tokens.append({TokenKind::QuotedName, name, pos});
        } else if (IsNameStart(c)) {
            const qsizetype start = pos;
            while (pos < sql.size() && IsNamePart(sql.at(pos)))
                ++pos;
            tokens.append({TokenKind::Word, sql.mid(start, pos - start), pos});
        } else if (c.isDigit()) {
            while (pos < sql.size() && (sql.at(pos).isLetterOrNumber() || sql.at(pos) == '.'))
                ++pos;
        } else {
            ++pos;
            tokens.append({TokenKind::Other, QString(c), pos});
        }
    }
    return tokens;
}

// Words that end a table reference instead of naming it again (as an alias).
bool IsClauseWord(const Token &token)
{
    static const QSet<QString> words{
        QStringLiteral("WHERE"),   QStringLiteral("GROUP"),    QStringLiteral("ORDER"),
        QStringLiteral("HAVING"),  QStringLiteral("LIMIT"),    QStringLiteral("JOIN"),
        QStringLiteral("INNER"),   QStringLiteral("LEFT"),     QStringLiteral("RIGHT"),
        QStringLiteral("FULL"),    QStringLiteral("OUTER"),    QStringLiteral("CROSS"),
        QStringLiteral("NATURAL"), QStringLiteral("ON"),       QStringLiteral("USING"),
        QStringLiteral("UNION"),   QStringLiteral("EXCEPT"),   QStringLiteral("INTERSECT"),
        QStringLiteral("WINDOW"),  QStringLiteral("AS"),       QStringLiteral("SET"),
        QStringLiteral("VALUES"),  QStringLiteral("INDEXED"),  QStringLiteral("NOT"),
        QStringLiteral("SELECT"),  QStringLiteral("RETURNING")};
    return token.kind == TokenKind::Word && words.contains(token.text.toUpper());
}

bool IsName(const Token &token)
{
    return token.kind == TokenKind::QuotedName || (token.kind == TokenKind::Word && !IsClauseWord(token));
}

// The tables of the statement in order, and the table each name or alias of a table stands for.
struct Tables
{
    QStringList inOrder;
    QHash<QString, QString> byName;
};

Tables ReadTables(const QList<Token> &tokens)
{
    Tables tables;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const bool from = tokens.at(i).IsWord("FROM");
        if (!from && !tokens.at(i).IsWord("JOIN"))
            continue;
        qsizetype j = i + 1;
        while (j < tokens.size() && IsName(tokens.at(j))) {
            QString table = tokens.at(j++).text;
            // A table of an attached schema: schema.table.
            if (j + 1 < tokens.size() && tokens.at(j).Is('.') && IsName(tokens.at(j + 1))) {
                table = tokens.at(j + 1).text;
                j += 2;
            }
            tables.inOrder.append(table);
            tables.byName.insert(table.toUpper(), table);
            if (j < tokens.size() && tokens.at(j).IsWord("AS"))
                ++j;
            if (j < tokens.size() && IsName(tokens.at(j)))
                tables.byName.insert(tokens.at(j++).text.toUpper(), table);
            // FROM lists its tables with commas; JOIN names one.
            if (!from || j >= tokens.size() || !tokens.at(j).Is(','))
                break;
            ++j;
        }
    }
    return tables;
}

// The terms of the ORDER BY whose words start at `first`, each as its tokens; `end` is set past
// the clause.
QList<QList<Token>> OrderTerms(const QList<Token> &tokens, qsizetype first, qsizetype &end)
{
    QList<QList<Token>> terms{{}};
    int depth = 0;
    qsizetype i = first;
    for (; i < tokens.size(); ++i) {
        const Token &token = tokens.at(i);
        if (depth == 0 && (token.Is(')') || token.Is(';') || token.IsWord("LIMIT") || token.IsWord("OFFSET")))
            break;
        if (token.Is('('))
            ++depth;
        else if (token.Is(')'))
            --depth;
        if (depth == 0 && token.Is(','))
            terms.append(QList<Token>());
        else
            terms.last().append(token);
    }
    end = i;
    return terms;
}

// The column a term orders by: its table as written (empty when not named), its name and where
// its text ends; none for an expression or a term with a collation of its own.
struct OrderedColumn
{
    QString table;
    QString column;
    qsizetype end;
};

std::optional<OrderedColumn> ColumnOf(QList<Token> term)
{
    if (term.size() >= 2 && term.at(term.size() - 2).IsWord("NULLS"))
        term.resize(term.size() - 2);
    if (!term.isEmpty() && (term.last().IsWord("ASC") || term.last().IsWord("DESC")))
        term.removeLast();
    if (term.size() == 1 && IsName(term.at(0)))
        return OrderedColumn{QString(), term.at(0).text, term.at(0).end};
    if (term.size() == 3 && IsName(term.at(0)) && term.at(1).Is('.') && IsName(term.at(2)))
        return OrderedColumn{term.at(0).text, term.at(2).text, term.at(2).end};
    return std::nullopt;
}

bool IsTextColumn(const Tables &tables, const QString &qualifier, const QString &column,
                  const ColumnIsText &columnIsText)
{
    if (!qualifier.isEmpty())
        return columnIsText(tables.byName.value(qualifier.toUpper(), qualifier), column).value_or(false);
    for (const QString &table : tables.inOrder)
        if (const std::optional<bool> text = columnIsText(table, column))
            return *text;
    return false;
}

} // namespace

QString CollateOrderTerms(const QString &sql, const ColumnIsText &columnIsText)
{
    const QList<Token> tokens = Tokenize(sql);
    const Tables tables = ReadTables(tokens);
    const QString collate = QStringLiteral(" COLLATE ") + QString::fromLatin1(GreekCollationName);
    QList<qsizetype> insertAt;
    for (qsizetype i = 0; i + 1 < tokens.size(); ++i) {
        if (!tokens.at(i).IsWord("ORDER") || !tokens.at(i + 1).IsWord("BY"))
            continue;
        qsizetype end = i + 2;
        for (const QList<Token> &term : OrderTerms(tokens, i + 2, end)) {
            const std::optional<OrderedColumn> ordered = ColumnOf(term);
            if (ordered && IsTextColumn(tables, ordered->table, ordered->column, columnIsText))
                insertAt.append(ordered->end);
        }
        i = end - 1;
    }
    QString result = sql;
    for (auto it = insertAt.crbegin(); it != insertAt.crend(); ++it)
        result.insert(*it, collate);
    return result;
}
