#pragma once

#include "analysis/team_form.h"
#include "platform/db/table.h"
#include "platform/ui/canvas.h"
#include "platform/ui/paged_print.h"
#include "shared/competition_chooser.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLayout;
class QToolButton;
class TColumn;
class TDBGrid;
class TDBLookupComboBox;
class TDataSource;
class TQuery;
class TStyButton;

// "ΠΙΝΑΚΑΣ ΦΟΡΜΑΣ ΟΜΑΔΑΣ": two teams of one competition side by side, each with the list of its
// matches (scores in blue for a win, red for a loss) and the summary of its results at home, away
// and in all with its special points; each side prints its list with the summary once viewed.
class TPinForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPinForm(QWidget *parent = nullptr);

    // Shows the window modally. With a window's lists (the match list's), the combos take them;
    // without, they fill completely with the remembered choice. Returns the combos' lists and
    // choice as the window closed.
    tav::shared::ChooserLists ShowModalWith(const std::optional<tav::shared::ChooserLists> &lists);

    // One side of the window: its picker, query, grid, print button and figures.
    struct TSide
    {
        TDBLookupComboBox *Picker = nullptr;
        TQuery *Matches = nullptr;
        TDBGrid *Grid = nullptr;
        QWidget *PrintButton = nullptr;
        // By line (home, away, overall): games, points, wins, draws, losses, percentages.
        std::array<std::array<QLabel *, 6>, 3> Figures{};
        QLabel *Special = nullptr;
        // The team whose matches and figures are shown; empty until a view.
        QString ViewedTeam;
    };
    TSide &Side(int side) { return sides_[std::size_t(side)]; }

    // --- handlers ---
    void FormShow();
    void FormClose();
    void DBLookupComboBox1Click();
    void DBLookupComboBox2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BBtnPrint1Click();
    void StyButton2Click();
    void DBGridDrawColumnCell(int side, const TRect &rect, int dataCol, TColumn &column, TCanvas &canvas);

    // Opens the side's matches and shows its figures (ShowTeamSuccesses, ShowSpecialPoints).
    void ViewSide(int side);
    void ShowTeamSuccesses(int side, const tav::analysis::TTeamForm &form);
    void ShowSpecialPoints(int side, const tav::analysis::TTeamForm &form);
    // Prints the side's list with its summary; the print dialog first.
    void PrintSide(int side);

    // --- controls ---
    tav::shared::CompetitionChooser *Chooser;
    QComboBox *PeriodCombo;
    QCheckBox *ChkP;
    QComboBox *DiorgCombo;
    QCheckBox *ChkD;
    TDBLookupComboBox *DBLookupComboBox1;
    TDBLookupComboBox *DBLookupComboBox2;
    QToolButton *SpeedButton1;
    QToolButton *SpeedButton2;
    QCheckBox *ChkDaily;
    TStyButton *BBtnPrint1;
    TStyButton *StyButton2;
    QFrame *Image1;
    TDBGrid *DBGrid1;
    TDBGrid *DBGrid2;
    QFrame *Panel1;
    // Side 1's figures.
    QLabel *LblA, *LblB, *LblN, *LblI, *LblH, *Label7;
    QLabel *LblAE, *LblBE, *LblNE, *LblIE, *LblHE, *Label8;
    QLabel *LblAS, *LblBS, *LblNS, *LblIS, *LblHS, *Label9;
    QLabel *Label22;
    // Side 2's figures.
    QLabel *LblA2, *LblB2, *LblN2, *LblI2, *LblH2, *Label23;
    QLabel *LblAE2, *LblBE2, *LblNE2, *LblIE2, *LblHE2, *Label24;
    QLabel *LblAS2, *LblBS2, *LblNS2, *LblIS2, *LblHS2, *Label25;
    QLabel *Label26;
    // Side 2's teams in name order, following the current competition.
    TTable TblPOm;
    TDataSource *DsPOmades;
    TDataSource *DsTblPOm;
    TDataSource *DsForma1;
    TDataSource *DsForma2;
    TGridPrintState PrintState;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QLayout *BuildTopBar();
    QWidget *BuildSummary();
    TDBGrid *NewGrid(TDataSource *source);
    // A picked team leaves the side's list closed and its print button off.
    void Picked(int side);
    void ClearPickers();

    std::array<TSide, 2> sides_;
    std::optional<tav::shared::ChooserLists> handedLists_;
};

// The program's team form window, created at start-up.
TPinForm *PinForm();
