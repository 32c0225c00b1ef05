#pragma once

#include "platform/ui/paged_print.h"
#include "platform/ui/string_grid.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

class QCheckBox;
class QDateEdit;
class QFileDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class TProgressBar;

// "ΑΝΑΛΥΣΗ ΚΟΥΠΟΝΙΟΥ": the matches of a chosen coupon, or of a date range, set against their
// history, one grid row of estimates per match with an editable proposal sign. The coupon analysis
// goes through the coupon picker, a confirmation, the seasons and the match filter; the analysis by
// dates straight from the screen's two dates. The grid is painted with its marks, sorted by a click
// on a title, printed, saved and loaded as a proposal, scored by the small network and exported.
// Made on first use and kept to the end of the program; closing hides it, and every hide releases
// the filter of the shared matches table.
class TAgvnKouponiFrm : public QWidget
{
    Q_OBJECT
public:
    // today: the date the window takes for today (the opening date range depends on it).
    explicit TAgvnKouponiFrm(std::function<QDate()> today = {}, QWidget *parent = nullptr);
    ~TAgvnKouponiFrm() override;

    // Shows the window maximised in front.
    void ShowAnalysis();

    void BtnBackClick();
    // Only a cell of a data row in the proposal column (27) or the last agreement-or-proposal
    // column (30) may become current, and so be edited.
    bool SGrd1SelectCell(int col, int row);
    // Chooses the coupon, then asks to go on; on yes empties the match rows.
    bool ConfirmCouponAnalysis();
    void ChooseKupForAnalysis();
    void BtnAnalysisClick();
    void BtnAnalysisDateClick();
    void DateFromChange();
    void SGrd1DrawCell(int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas);
    void SGrd1MouseUp(Qt::MouseButton button, int x, int y);
    void BitBtn4Click();
    void BtnOpenClick();
    // The network over the form estimate of the "ΓΕ1" matches; an error of its files goes to the
    // caller after the rows scored before it are shown.
    void BtnNeuralClick();
    void BitBtn1Click();
    void BtnPrintClick();

    QFrame *Panel1;
    QGroupBox *GroupBox1;
    QLabel *Label1;
    QDateEdit *DateFrom;
    QLabel *Label2;
    QDateEdit *DateTo;
    QPushButton *BtnAnalysisDate;
    QPushButton *BtnAnalysis;
    QPushButton *BitBtn4;
    QPushButton *BtnOpen;
    QPushButton *BitBtn1;
    QCheckBox *Chkskor;
    QCheckBox *ChkxSkor;
    QCheckBox *ChkExtra;
    QPushButton *BtnNeural;
    QPushButton *BtnPrint;
    QPushButton *BtnBack;
    QFrame *Panel2;
    TStringGrid *SGrd1;
    TProgressBar *ProgBar;
    QFileDialog *SaveDialog1;
    QFileDialog *OpenDialog1;

    // The name, without folder, of the coupon last chosen for analysis; empty until one is.
    QString KupFileName;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildPanel();
    void FormCreate();
    void FormShow();
    // The close and the hide alike: the other windows find the matches table unfiltered.
    void ReleaseMatchesFilter();
    // Runs the analysis with the match filter's settings and the screen's boxes; true when it
    // filled the grid.
    bool RunCouponAnalysis();
    // Runs the analysis with the button out of use, then the training lines and the scoring.
    void AnalyseWith(QPushButton *button);
    void ResetProgress(int maximum);
    void ClearMatchRows();
    QList<QStringList> GridRows() const;
    void SetGridRows(const QList<QStringList> &rows);

    std::function<QDate()> Today;
    TGridPrintState PrintState;
};

// The coupon analysis screen, made on first use; it lives to the end of the program.
TAgvnKouponiFrm &AgvnKouponiFrm();
