#pragma once

#include "platform/db/dataset.h"
#include "platform/ui/canvas.h"
#include "platform/ui/string_grid.h"
#include "shared/competition_chooser.h"

#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class TColumnBands;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class TColumn;
class TDBGrid;
class TDBImage;
class TDataSource;
class TUpDownEdit;
namespace tav::editors {
struct TSeasonRange;
}
namespace tav::report {
enum class TMassMatchdays;
}

// What a window that brings up the match list on its own choice hands over: its category and
// season lists with the texts chosen in them, and its matchday text.
using TMatchListChoice = tav::shared::CompetitionHandover;

// The windows of other features that the match list opens; the program sets them when it creates
// the list. One that is not set leaves its command doing nothing.
struct TMatchListOpeners
{
    // The league table on the list's lists and choice, at the table of competition DNo at the
    // matchday; closing the table comes back through the way given.
    std::function<void(const tav::shared::ChooserLists &lists, int DNo, int matchday,
                       tav::shared::ReturnToCaller back)>
        LeagueTable;
    // The head-to-head popup of the match under the list's cursor: the home club's home meetings,
    // and every meeting of the two clubs.
    std::function<void()> HomeHistory;
    std::function<void()> AllHistory;
    // The prediction and the head-to-head history of the listed matches, given the list's
    // matchday and group texts.
    std::function<void(const QString &matchday, const QString &group)> Analysis;
    std::function<void(const QString &matchday, const QString &group)> MatchdayHistory;
    // The results cross-table of the listed league up to the list's matchday; closing it comes
    // back through the way given.
    std::function<void(const QString &matchday, tav::shared::ReturnToCaller back)> ResultsGrid;
    // The team form window on the list's lists and choice, shown modally; returns its lists and
    // choice as it closed.
    std::function<tav::shared::ChooserLists(const tav::shared::ChooserLists &lists)> TeamForm;
};

// "Αγώνες": the matches of one matchday (or one round and group) of one competition, listed as a
// range on the data module's shared Agvnes and edited there in place: dates, times, teams and
// scores. New rows take the competition, matchday and the time and date typed in the header; the
// header's date and time can be set on the whole matchday at once; the list prints. The chosen
// category and season are the program's current competition (tav::data::Choose).
class TAgvnesForm : public QWidget
{
    Q_OBJECT

public:
    // The main menu's show command passes its menu item of this name: that caller gets the
    // competition's current matchday.
    static constexpr const char *MenuCallerName = "N18";

    explicit TAgvnesForm(QWidget *parent = nullptr);
    ~TAgvnesForm() override;

    // Brings the list up for a caller: with the registry's choice when it was hidden, on the
    // caller's own competition, season and matchday when the caller hands them over.
    void ShowForCaller(QObject *Sender);
    void ShowForCaller(QObject *Sender, const TMatchListChoice &Choice);
    // Selects and shows the matches of the chosen competition, season, matchday and group.
    void LoadMatchday(QObject *Sender);
    void SetOpeners(TMatchListOpeners openers);

    void FormShow();
    void FormClose();
    void DiorgComboChange();
    void PeriodComboChange();
    void ChkPClick();
    void ChkDClick();
    // A change of the matchday or group edit (the sender) reloads the list.
    void AgvnEditChange(QObject *Sender);
    void DsAgvnesStateChange();
    void SpeedButton1Click();
    void FromDateButtonClick();
    void DBGrid1KeyPress(QChar &Key);
    void DBGrid1DrawColumnCell(const TRect &Rect, int DataCol, TColumn &Column, TGridDrawState State,
                               TCanvas &Canvas);
    void BitBtn1Click();
    // Saves the listed matchday as the files the export options ask for, in their languages.
    void SaveButtonClick();
    // The bulk exports the main window runs after the bulk-export dialog: the current matchday and
    // the two following ones, or every matchday, of each competition ticked in the dialog, in its
    // languages and kinds of file. The matchday edit shows each matchday while it is written; the
    // list then shows its own matchday again, in Greek. A file that cannot be written raises
    // EInOutError naming it, which ends the whole bulk run; the files written before it stay.
    void ExportCurrentMatchdays();
    void ExportAllMatchdays();
    void BtnBackClick();
    // The league table of the listed league matchday, and the head-to-head popups of the match
    // under the grid cursor.
    void BaumButtonClick();
    // The prediction window on the listed matches.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    // The team form window on the list's competition; back on its choice afterwards.
    void BtnFormaClick();
    void N1Click();
    void N2Click();

    // The kick-off time in the shape of its mask: "  :  " when nothing is typed.
    QString TimeText() const;

    QFrame *Panel1;
    // The category and season bar; the four controls below are its own.
    tav::shared::CompetitionChooser *Chooser;
    QComboBox *PeriodCombo;
    QCheckBox *ChkP;
    QComboBox *DiorgCombo;
    QCheckBox *ChkD;
    QLabel *AgvnLabel;
    // The matchday and group edits, each with its arrows.
    TUpDownEdit *AgvnEdit;
    QLabel *OmilosLbl;
    TUpDownEdit *OmilosEdit;
    QLabel *DateLabel;
    QLineEdit *EditDate;
    QToolButton *FromDateButton;
    QLabel *Label2;
    QLineEdit *TimeEdit;
    QToolButton *SpeedButton1;
    TDBImage *DBImage1;
    QPushButton *BaumButton;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *BtnForma;
    QPushButton *SaveButton;
    QPushButton *BitBtn1;
    QPushButton *BtnBack;
    QFrame *Panel2;
    TColumnBands *HeaderControl1;
    TDBGrid *DBGrid1;
    QMenu *ProistoriaMenu;
    QAction *N1;
    QAction *N2;
    TDataSource *DsAgvnes;
    TDataSource *DataSource1;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildPanel1();
    void BuildPanel2();
    void ShowFor(QObject *Sender, const TMatchListChoice *Choice);
    bool ShowCompetitionType(int typos);
    void TakeCallerMatchday(QObject *Sender);
    // Without a chosen competition (none remembered, or a pair that forms none) the list shows no
    // match and takes no new one.
    void ShowNoCompetition();
    void SetMatchdayRange(const tav::editors::TSeasonRange &range, int typos);
    void ShowFlag();
    void SetMatchdayText(const QString &text);
    void ExportMatchdays(tav::report::TMassMatchdays span);

    // The competition last listed, whose number and type new rows and the apply command use.
    QVariant listedDNo_;
    int listedTypos_ = -1;
    // The caller that handed over its choice, and its matchday.
    QPointer<QObject> choiceCaller_;
    QString choiceMatchday_;
    TDataSetState lastState_ = TDataSetState::dsInactive;
    TMatchListOpeners openers_;
    // While a bulk export walks other competitions, the changes it makes to the matchday edit must
    // not reload the list.
    bool bulkExporting_ = false;
};

// The program's match list, created on first use; it lives to the end of the program.
TAgvnesForm *AgvnesForm();
