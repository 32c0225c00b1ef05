#pragma once

#include <QList>
#include <QString>

namespace tav::controls {

// One condition of a row filter: the cell of a column compared with a value.
struct TFilterTerm
{
    enum Comparison
    {
        Equal,    // "=": the same text, character for character
        NotEqual, // "<>"
        Greater,  // ">": sorts after the value, case-sensitive
        Less,     // "<"
        Like      // "like": the value occurs in the cell, case aside
    };
    Comparison Op = Equal;
    int Column = 1;
    QString Value;

    bool Holds(const QString &cellText) const;
};

// The program's filter: the terms of the last condition read, all of which a row must meet.
struct TFilterTable
{
    static constexpr int kMaxTerms = 9;
    QList<TFilterTerm> Terms;
};
TFilterTable &FilterTable();

} // namespace tav::controls
