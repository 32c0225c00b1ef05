#pragma once

#include "analysis/standings_engine.h"
#include "platform/ui/string_grid.h"
#include "report/league_table_export.h"
#include "shared/competition_chooser.h"

#include <QWidget>

#include <set>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class TColumnBands;
class QLabel;
class QPushButton;
class TDBImage;
class TDataSource;
class TUpDownEdit;

// The league table by matchday: the user picks a season, a category, a start matchday and a
// matchday and sees the table of that competition with its overall, home and away blocks side by
// side, the title, promotion and relegation places coloured, orderings by a click on a column
// title and the team names in Greek or Latin letters. Every computation also stores the teams'
// TeamStat rows of the matchday. Closing the window brings the match list back.
class TBaumForm : public QWidget
{
    Q_OBJECT
public:
    explicit TBaumForm(QWidget *parent = nullptr);
    ~TBaumForm() override;

    // Opens the window on the remembered competition at its current matchday (a menu item or a
    // toolbar button). Closing the window hands its choice and matchday to onClose, with
    // AgvnButton as the caller.
    void ShowForCompetition(tav::shared::ReturnToCaller onClose = {});
    // Opens the window on another window's lists and choice, with the table of its competition DNo
    // at its matchday; closing hands the choice back to onClose.
    void ShowForCompetition(const tav::shared::ChooserLists &lists, int DNo, int matchday,
                            tav::shared::ReturnToCaller onClose);
    // The table of competition DNo at a matchday (brought within the competition's highest
    // matchday), computed and stored; a cup clears the grid instead. Database errors are shown to
    // the user.
    void ShowRound(int DNo, int matchday);
    // Computes the table of the loaded competition at the matchday, stores its TeamStat rows and
    // fills the grid. Raises EDatabaseError when the rows cannot be stored.
    void ComputeStandings(int matchday);
    // Writes the grid from the engine's overall table.
    void FillGrid();
    // Leaves one empty row.
    void ClearGrid();

    // The computed tables, for the grid, the orderings and the exports.
    tav::analysis::TStandingsEngine &Standings() { return engine_; }
    const tav::analysis::TStandingsEngine &Standings() const { return engine_; }

    // --- handlers ---
    void FormShow();
    void FormClose();
    void PeriodComboChange();
    void DiorgComboChange();
    void ChkPClick();
    void ChkDClick();
    void AgvnEditChange();
    void EdtStartAgvnChange();
    void Button3Click();
    void GlvsaRadioClick();
    void AgvnButtonClick();
    void HeaderControl2SectionClick(int section);
    void SGrdDrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas);
    // The save button: the table as shown, in the languages and kinds of file the export options
    // ask for. A file that cannot be written is reported; the names come back in Greek.
    void Button1Click();
    void BBtnPrintClick();

    // The bulk export: the table of every ticked league of the bulk-export dialog's season at its
    // current matchday, in the dialog's languages and kinds of file, with the page of the special
    // orderings after each table page when special is set. Cups have no table and are skipped.
    // A file that cannot be written raises EInOutError naming it, which ends the whole bulk run;
    // the files written before it stay.
    void ExportAll(bool special);
    // Prints the table as shown, with the page head of the competition and matchday.
    void PrintTable();

    // --- controls ---
    // The category and season bar; the four controls below are its own.
    tav::shared::CompetitionChooser *Chooser;
    QComboBox *PeriodCombo;
    QCheckBox *ChkP;
    QComboBox *DiorgCombo;
    QCheckBox *ChkD;
    QPushButton *Button3;
    QLabel *Label1;
    // The start matchday, matchday and group edits, each with its arrows.
    TUpDownEdit *EdtStartAgvn;
    QLabel *AgvnLabel;
    TUpDownEdit *AgvnEdit;
    QLabel *Label2;
    TUpDownEdit *OmiloiEdit;
    QGroupBox *GlvsaRadio;
    // The two choices of GlvsaRadio: id 0 Greek names, id 1 Latin names.
    QButtonGroup *GlvsaButtons;
    QPushButton *AgvnButton;
    QPushButton *BBtnPrint;
    QPushButton *BBtnSave;
    TDataSource *DataSource1;
    TDBImage *DBImage1;
    // The block captions over the columns, and the column titles (a click orders the table).
    TColumnBands *HeaderControl1;
    TColumnBands *HeaderControl2;
    TStringGrid *SGrd;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void Connect();

    // Shows the window, counting from the first matchday again when it was hidden.
    void ShowWindow();
    // The current competition of the data module after a choice: the league's matchday limits and
    // its table at the current matchday, or an empty grid for a cup.
    void ShowChosenCompetition();

    void LoadCompetition(int DNo);
    // ShowRound on the loaded competition.
    void ShowLoadedRound(int matchday);
    void ReportSkippedMatches();
    void SetColumnWidths();
    void SetMatchday(int matchday);

    // Whether the grid shows a table (a cup or a matchday without matches shows none).
    bool ShowsTable() const;
    // The kinds of file and languages of an export.
    struct TExportChoice
    {
        bool Text = false;
        bool Page = false;
        bool QXpress = false;
        QList<tav::report::TExportLanguage> Languages;
    };
    // The files of the table shown, for every language of the choice: text files under name, pages
    // in "htm" by matchday or in "htm1" numbered 01. The grid and the names come back as they were.
    void WriteTableFiles(const TExportChoice &choice, const QString &name, bool numbered, bool special);
    // The table as the grid shows it, names in the language the data module and the grid show.
    tav::report::TLeagueTableExport ReadLeagueTable();
    tav::report::TLeagueTableRows ReadTableRows() const;
    // The fourteen special orderings, each applied as a click on its title; afterwards the table is
    // in its computed order again.
    QList<tav::report::TSpecialOrdering> ReadSpecialOrderings();

    tav::analysis::TStandingsEngine engine_;
    // Skipped matches (by GameNo) already named to the user.
    std::set<int> reportedSkipped_;
    // The way back to the window that opened this one.
    tav::shared::ReturnToCaller onClose_;
};

// The program's league-table window, created on first use.
TBaumForm &BaumForm();
