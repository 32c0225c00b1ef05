#pragma once

#include <QComboBox>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

// The choice the league table hands back to the match list: its category and season lists with
// the chosen items, and its matchday.
struct TBaumChoice
{
    QStringList Categories;
    QString Category;
    QStringList Seasons;
    QString Season;
    QString Matchday;
};

// The match list as the league table sees it. The match list lives in a library that builds on
// this one, so the program fills this in once both windows exist: the league table then knows
// when the match list's league-table button opened it, takes that window's category and season
// lists over, and brings the match list back when it closes.
struct TMatchListLink
{
    // The match list's league-table button, the caller it passes to ShowForCompetition.
    QPointer<QObject> BaumButton;
    QPointer<QComboBox> DiorgCombo;
    QPointer<QComboBox> PeriodCombo;
    // Brings the match list up for a caller (its ShowForCaller) on the caller's choice; the
    // league table passes its AgvnButton.
    std::function<void(QObject *caller, const TBaumChoice &choice)> ShowForCaller;
};

// The one link of the program; empty until the program fills it in.
TMatchListLink &MatchListLink();
