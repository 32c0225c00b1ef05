#pragma once

#include "analysis/plegma.h"
#include "report/analysis_export.h"
#include "shared/competition_chooser.h"

#include <QWidget>

#include <optional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TStringGrid;
class TStyButton;
class TUpDownEdit;
struct TRect;
class TCanvas;

// "Πλέγμα Αποτελεσμάτων": the results cross-table of one league, every team at home against every
// team away over a range of matchdays, with the small league table of the same matches around it;
// ordered by name, league table, home table or away table. Whatever changes the season, the
// competition, the view or either matchday rebuilds it at once. It prints, saves its pages and
// writes the pages of many competitions in a bulk export. Closing it brings the match list back
// on its choice and matchday.
class TPlegmaAForm : public QWidget
{
    Q_OBJECT
public:
    explicit TPlegmaAForm(QWidget *parent = nullptr);
    ~TPlegmaAForm() override;

    // Opens the window on the remembered competition: at the match list's matchday when it is
    // opened from there, else at the competition's next matchday (its last once all are played).
    // Closing it goes back through the way given. Opened from the menu with nothing to locate, it
    // shows an empty grid with its lists filled.
    void ShowGrid(const std::optional<QString> &listMatchday, tav::shared::ReturnToCaller back);

    // The table of the current competition into the grid: for a league a build, else an empty grid.
    void Rebuild();
    // Builds the table of the current competition for the view, the start and the last matchday.
    void BuildPlegma();
    // Empties the grid to one row.
    void ClearPlegma();
    // The bulk export of the ticked competitions' pages, as the bulk-export dialog asks.
    void ExportAll();

    const tav::analysis::TPlegma &Plegma() const { return plegma_; }

    // --- handlers ---
    void FormShow();
    void FormClose();
    void DiorgComboChange();
    void RadioGroup1Click();
    void AgvnEditChange();
    void EdtAgvnStartChange();
    void Button3Click();
    void BitBtn1Click();
    void Button1Click();
    void BtnBackClick();
    void PlegmaGridDrawCell(int col, int row, const TRect &rect, TCanvas &canvas);

    // --- controls ---
    tav::shared::CompetitionChooser *Chooser;
    QComboBox *PeriodCombo;
    QComboBox *DiorgCombo;
    QLabel *AgvnLabel;
    // The last matchday counted, with its arrows.
    TUpDownEdit *AgvnEdit;
    QLabel *StartLabel;
    // The first matchday counted, with its arrows.
    TUpDownEdit *EdtAgvnStart;
    QGroupBox *RadioGroup1;
    // The four views of RadioGroup1, by their index.
    QButtonGroup *ViewButtons;
    TStyButton *BitBtn1;
    QPushButton *Button1;
    QPushButton *BitBtn2;
    QPushButton *BtnBack;
    QPushButton *Button3;
    TStringGrid *PlegmaGrid;

    // The competition's rounds as the table counts them (2 for a cup), the columns per team of the
    // last build, and the first matchday counted.
    int DiorgRounds = 2;
    int ColsPerTeam = 1;
    int AgvnStart = 1;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void Connect();
    // The next matchday of the current competition: the one after the current, or the last.
    int NextMatchday();
    // The rounds of the current competition, as DiorgRounds takes them.
    void TakeRounds();
    // An empty matchday box reads "1".
    void FillEmptyBoxes();
    void ShowPlegma();
    // Rebuilds for a bulk export in a language: the English and Italian pages take English team names.
    void RefreshFor(tav::report::TExportLanguage language);
    void SetGridSizes();
    tav::report::TAnalysisView ExportView();

    tav::analysis::TPlegma plegma_;
    // The teams of the last build, with their English names.
    std::vector<tav::analysis::TStandingsTeam> teams_;
    tav::shared::ReturnToCaller onClose_;
};

// The program's results cross-table window, created at start-up.
TPlegmaAForm *PlegmaAForm();
