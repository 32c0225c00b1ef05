#pragma once

#include "analysis/date_standings.h"
#include "controls/styled/sty_button.h"
#include "platform/ui/paged_print.h"
#include "platform/ui/string_grid.h"
#include "shared/competition_chooser.h"

#include <QWidget>

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class TColumnBands;
class TDBImage;
class TDataSource;
class TUpDownEdit;

// "Βαθμολογία κατά Ημερομηνία": the league table of one competition over the matches between two
// dates, overall, at home and away side by side, the title, promotion and relegation places
// coloured, ordered by a click on a column title, printable. It stores nothing. Closing the window
// in any way brings the match list back.
class TBaumFormDate : public QWidget
{
    Q_OBJECT
public:
    // Brings back the match list, with the window's control that leads there.
    using ReturnToMatchList = std::function<void(QObject *caller)>;

    explicit TBaumFormDate(QWidget *parent = nullptr);
    ~TBaumFormDate() override;

    // Opens the window on the remembered category and season. A hidden window counts the season
    // of the remembered pair from its first to its last day (a cup, or a pair that names no
    // competition, shows an empty grid; the latter with a warning); an open one takes the match
    // list's lists with the pair chosen in them and comes to the front, its table and dates as
    // they were.
    void InitForm(const QString &category, const QString &season, const tav::shared::ChooserLists &matchList,
                  ReturnToMatchList onClose);
    // The table of competition DNo between the two dates, into the grid. Database errors are shown.
    void ComputeStandings(int DNo);
    // Writes the table, in its current order, into the grid.
    void FillGrid();
    // Forgets the table and leaves one empty row.
    void ClearGrid();

    const tav::analysis::TDateStandingsEngine &Standings() const { return engine_; }

    // --- handlers ---
    void FormShow();
    void FormClose();
    void ChkPClick();
    void ChkDClick();
    void PeriodComboChange();
    void DiorgComboChange();
    void AgvnEditChange();
    void EdtStartAgvnChange();
    void GlvsaRadioClick();
    void AgvnButtonClick();
    void HeaderControl2SectionClick(int section);
    void SGrdDrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas);
    void BBtnPrintClick();
    // Prints the table as shown: both title lines, the season and the dates on every page.
    void PrintTable();

    // --- controls ---
    // The category and season bar; the four controls below are its own.
    tav::shared::CompetitionChooser *Chooser;
    QComboBox *PeriodCombo;
    QCheckBox *ChkP;
    QComboBox *DiorgCombo;
    QCheckBox *ChkD;
    QLabel *Label1;
    QDateEdit *EdtStartAgvn;
    QLabel *AgvnLabel;
    QDateEdit *AgvnEdit;
    QLabel *Label2;
    // The group edit with its arrows.
    TUpDownEdit *OmiloiEdit;
    QGroupBox *GlvsaRadio;
    // The two choices of GlvsaRadio: id 0 Greek names, id 1 Latin names.
    QButtonGroup *GlvsaButtons;
    QPushButton *AgvnButton;
    TStyButton *BBtnPrint;
    TDataSource *DataSource1;
    TDBImage *DBImage1;
    // The block captions over the columns, and the column titles (a click orders the table).
    TColumnBands *HeaderControl1;
    TColumnBands *HeaderControl2;
    TStringGrid *SGrd;
    TGridPrintState PrintState;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void Connect();
    // The remembered pair as the current competition: its season's dates and its table, or an
    // empty grid for a cup or a pair that names none.
    void OpenChosenCompetition();
    // The current competition of the data module after a pick in the combos.
    void ShowChosenCompetition();
    // The first and last day of the season in the season combo, into the pickers.
    void SetSeasonDates();

    tav::analysis::TDateStandingsEngine engine_;
    // The league whose table the grid shows; none for a cup or no competition.
    std::optional<int> shownDNo_;
    ReturnToMatchList onClose_;
};

// The program's standings-by-date window, created at start-up.
TBaumFormDate &BaumFormDate();
