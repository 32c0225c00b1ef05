#pragma once

#include "analysis/season_statistics.h"
#include "platform/ui/string_grid.h"
#include "shared/competition_chooser.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class TColumnBands;

// "ΣΤΑΤΙΣΤΙΚΑ": the results of a competition in the chosen season beside those of the nearest
// older season of its category with played matches: how many matches were played, how often they
// ended 1, X or 2 at full time and at half time, the half-time/full-time pairs and the final
// scores (four goals or more of a side as "4+").
class TStatFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TStatFrm(QWidget *parent = nullptr);

    // The controls of one half of the bottom panel.
    struct THalf
    {
        QLabel *Season;                // "ΠΕΡΙΟΔΟΣ : " and the season
        QLabel *Played;                // the number of played matches
        QLabel *FullTime;              // the full-time summary
        QLabel *HalfTime;              // the half-time summary
        TColumnBands *HalfFullHeading; // over the half-time/full-time pairs
        TColumnBands *ScoresHeading;   // over the final scores
        TStringGrid *HalfFull;         // half-time/full-time pairs, 6 columns by 4 rows
        TStringGrid *Scores;           // final scores, 6 columns by 11 rows
    };

    // The statistics of the chosen competition and season, and of the older season; a blank box
    // does nothing, a pair that names no competition is reported.
    void ShowStatistics();
    // Shows a season's statistics in a half; none empties it.
    void ShowSeason(THalf &half, const std::optional<tav::analysis::TSeasonHalf> &season);

    // --- handlers ---
    void FormShow();
    void FormClose();
    void BitBtn1Click();
    void dxfPictureButton1Click();
    void SGrd1DrawCell(TStringGrid *grid, int col, int row, const TRect &rect, TCanvas &canvas);

    // --- controls ---
    tav::shared::CompetitionChooser *Chooser;
    QComboBox *PeriodCombo;
    QCheckBox *ChkP;
    QComboBox *DiorgCombo;
    QCheckBox *ChkD;
    QPushButton *BitBtn1;
    QToolButton *dxfPictureButton1;
    QToolButton *dxfPictureButton2;
    QFrame *Panel1;
    // The chosen season on the right, the older one on the left.
    THalf Chosen;
    THalf Older;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    THalf NewHalf(QWidget *parent);
};

// The program's statistics window, created at start-up.
TStatFrm *StatFrm();
