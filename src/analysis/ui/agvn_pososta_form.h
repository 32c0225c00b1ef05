#pragma once

#include "analysis/prediction_engine.h"
#include "platform/ui/canvas.h"
#include "platform/ui/string_grid.h"

#include <QWidget>

#include <functional>
#include <vector>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDBText;

// "Ανάλυση Αγώνων": the percentages of 1, X and 2 of the matches the match list shows, by the
// recent results of the two sides (the default method) or by one of the further methods, with the
// base, probable, full-cover and surprise signs of each match and the hits of the played ones.
// The percentages are shown as they are or as suggested odds; a double click on a match shows
// its detail.
class TAgvnPosostaForm : public QWidget
{
    Q_OBJECT
public:
    explicit TAgvnPosostaForm(QWidget *parent = nullptr);
    ~TAgvnPosostaForm() override;

    // Computes the listed matches by the default method and shows the window; the matchday text
    // is the match list's.
    void ShowAnalysis(const QString &matchday);
    // The same computation without showing the window, for an export of many competitions.
    bool PrepareAnalysis(const QString &matchday);

    // The methods: each fills Analysis from the matches the data module's Agvnes delivers, then
    // classifies the signs and fills the grid. The recent-results method also writes the
    // percentages into the sides' TeamStat rows; false when it did not run.
    bool PredictFromRecentResults(bool Combine);
    void PredictByRankGap();
    void PredictByOpponentRank();
    void PredictByStrength();
    void PredictByPointsRate();
    void ClassifySigns();
    void FillAnalysisGrid();
    void FillDatesAndTeams();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void RadioGroup1Click();
    void AnalyshGridDblClick();
    void AnalyshGridDrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas);

    // The chosen display: 0 percentages, 1 odds.
    int DisplayMode() const;
    void SetDisplayMode(int index);

    tav::analysis::TAnalysisTable Analysis;

    QFrame *Panel1;
    TDBText *DBText1;
    QLabel *AgvnLabel;
    QGroupBox *RadioGroup1;
    QButtonGroup *RadioButtons;
    QLineEdit *AgBack;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;
    QPushButton *Button5;
    QPushButton *Button6;
    QPushButton *Button7;
    QPushButton *SaveButton;
    QPushButton *PrintButton;
    QPushButton *BitBtn1;
    QPushButton *OkBtn;
    QPushButton *CancelBtn;
    TStringGrid *AnalyshGrid;

private:
    void BuildPanel1();
    void BuildGrid();
    bool Prepare(const QString &matchday);
    // Runs one method on the listed matches and shows its result; false when it did not run.
    bool RunMethod(
        const std::function<void(const std::vector<tav::analysis::TListedMatch> &, int recent)> &method);
    bool RecentCount(int &recent);
    void ShowResult();

    // The listed matches of the last run, for their dates.
    std::vector<tav::analysis::TListedMatch> listed_;
};

// The prediction window, created on first use; it lives to the end of the program.
TAgvnPosostaForm *AgvnPosostaForm();
