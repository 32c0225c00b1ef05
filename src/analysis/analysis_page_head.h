#pragma once

#include <QString>

#include <optional>

namespace tav::analysis {

// What the heads of the prediction, odds and history pages show above their tables.
struct TAnalysisPageHead
{
    // The competition's display name in the page's language.
    QString Onomasia;
    // "Αγωνιστική " + matchday + "η", as the prediction window's label reads.
    QString MatchdayLabel;
    // The matchday as the match list's box holds it.
    QString MatchdayText;
    // The date of a match of the matchday (empty when it has none); none when the box holds no
    // number or the date could not be read, which gives the heading without a date.
    std::optional<QString> MatchdayDate;
};

} // namespace tav::analysis
