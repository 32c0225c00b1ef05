#pragma once

#include "analysis/prediction_engine.h"
#include "platform/ui/canvas.h"
#include "platform/ui/string_grid.h"
#include "report/analysis_export.h"

#include <QWidget>

#include <functional>
#include <vector>

class QButtonGroup;
class QFileDialog;
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

    // Computes the listed matches by the default method and shows the window; the matchday and
    // group texts are the match list's.
    void ShowAnalysis(const QString &matchday, const QString &group = QString());
    // The same computation without showing the window, for an export of many competitions.
    bool PrepareAnalysis(const QString &matchday);

    // The bulk export of the ticked competitions of the bulk-export dialog: the pages of the
    // current matchday and of the next one of each, as percentages or as suggested odds. The
    // competition under the cursor comes back afterwards and the matches lose their range.
    void ExportPredictionsAll();
    void ExportOddsAll();

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
    void PrintButtonClick();
    void SaveButtonClick();
    // Writes the conditions file of the percentages under the name chosen in SaveDialog1.
    void BitBtn1Click();
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
    QFileDialog *SaveDialog1;

protected:
    // Closing lets the shared matches go unfiltered again.
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildPanel1();
    void BuildGrid();
    bool Prepare(const QString &matchday);
    // Runs one method on the listed matches and shows its result; false when it did not run.
    bool RunMethod(
        const std::function<void(const std::vector<tav::analysis::TListedMatch> &, int recent)> &method);
    bool RecentCount(int &recent);
    void ShowResult();
    // The files of the percentages (mode 0) or the suggested odds (mode 1) as the exports write them.
    tav::report::TAnalysisView ExportView(int mode);
    void ExportAll(int mode);
    // Rewrites the dates and teams in the names now shown and the hits label in the language.
    void ShowLanguage(tav::report::TExportLanguage language);

    // The listed matches of the last run, for their dates.
    std::vector<tav::analysis::TListedMatch> listed_;
    // The matchday and group the listed matches belong to, and the matchday text of the page
    // names (a bulk export's numbering may replace it).
    QString matchday_;
    QString group_;
    QString pageMatchday_;
};

// The prediction window, created on first use; it lives to the end of the program.
TAgvnPosostaForm *AgvnPosostaForm();
