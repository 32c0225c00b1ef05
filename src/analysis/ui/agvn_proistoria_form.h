#pragma once

#include "analysis/history_engine.h"
#include "controls/styled/sty_button.h"
#include "platform/ui/canvas.h"
#include "platform/ui/string_grid.h"
#include "report/analysis_export.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class TDBText;
class TfgStringGrid;

// "Προϊστορία Αγώνων": for every match of the matchday the match list shows, the earlier meetings
// of its two clubs, one row with the match's own home club first and one with the roles reversed,
// a column per season and the totals; prints the grid and saves it as web pages and
// desktop-publishing files.
class TAgvnProistoriaForm : public QWidget
{
    Q_OBJECT
public:
    explicit TAgvnProistoriaForm(QWidget *parent = nullptr);
    ~TAgvnProistoriaForm() override;

    // Computes the history of the listed matches and shows it; the matchday and group texts are
    // the match list's.
    void ShowHistory(const QString &matchday, const QString &group = QString());
    // Rebuilds the entries from the matches the data module's Agvnes delivers.
    void ComputeHistory();
    // The seasons of the entries and the grid of their cells.
    void FillHistoryGrid();
    // Titles the entries and the grid's first column again in the names now shown.
    void RetitleHistory();

    // The bulk export of the ticked competitions of the bulk-export dialog: the history of each
    // one's coming matchday. A competition without one is passed over; the competition under the
    // cursor comes back afterwards and the matches lose their range.
    void ExportAll();

    void ProistoriaGridDrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas);
    void StyButton1Click();
    void BBtnBackClick();
    void SaveButtonClick();

    tav::analysis::THistoryRows HistoryRows;
    QStringList HistorySeasons;

    QFrame *Panel1;
    TDBText *DBText1;
    QLabel *AgvnLabel;
    QPushButton *SaveButton;
    TStyButton *StyButton1;
    TStyButton *BBtnBack;
    TfgStringGrid *ProistoriaGrid;

private:
    void BuildPanel1();
    void BuildGrid();
    tav::report::TAnalysisView ExportView();
    // The matchday shown: its label, and the matchday of the files.
    void SetMatchday(const QString &matchday);

    // The listed matches of the last computation, the matchday and group they belong to, and the
    // matchday text of the page names (a bulk export's numbering may replace it).
    std::vector<tav::analysis::THistoryListedMatch> listed_;
    QString matchday_;
    QString group_;
    QString pageMatchday_;
};

// The head-to-head history window, created at start-up; it lives to the end of the program.
TAgvnProistoriaForm *AgvnProistoriaForm();
