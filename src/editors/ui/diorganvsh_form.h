#pragma once

#include "platform/ui/db_navigator.h"

#include <QWidget>

class QAction;
class QCloseEvent;
class QFrame;
class QLabel;
class QPushButton;
class TColumn;
class TDataSource;
class TDBEdit;
class TDBGrid;
class TDBLookupComboBox;
class TDBRadioGroup;
class TField;

// "Διοργανώσεις": the competitions (one category in one season with its scoring rules) and the
// teams of each, edited on the data module's Diorganvseis and POmades, so the module's rules
// apply to every change. A competition is deleted only through the delete button, with its
// matches, teams and their statistics. The window is a child of the main window's client area;
// closing it destroys it.
class TDiorganvshForm : public QWidget
{
    Q_OBJECT
public:
    explicit TDiorganvshForm(QWidget *parent = nullptr);
    ~TDiorganvshForm() override;

    void FormShow();
    // Before the window closes: a competition or competition team left half typed is stored or
    // dropped as the user answers "Θέλετε να αποθηκεύσετε τις αλλαγές;". False, and the window stays
    // open with the record as typed, when it cannot be stored.
    bool FormCloseQuery();
    void FormClose();
    void DBNavigatorClick(TNavigateBtn Button);
    void DBLookupComboBox1Click();
    void DBLookupComboBox4Click();
    void DBRadioGroup1Change();
    void DBEdit4Change();
    // Keeps only the digits and backspace.
    void DBEdit4KeyPress(QChar &Key);
    void DBGrid1CellClick(TColumn &Column);
    void N1Click();
    void BitBtn1Click();

    // Search bar.
    QFrame *Panel1;
    QLabel *Label1;
    TDBLookupComboBox *DBLookupComboBox3;
    TDBNavigator *DBNavigator;
    QPushButton *BitBtn1;
    // The current competition.
    QFrame *Panel2;
    TDBLookupComboBox *DBLookupComboBox1;
    TDBEdit *EditOmadesNo;
    TDBEdit *EditBauNikhs;
    TDBEdit *EditBauIsop;
    TDBEdit *EditBauHttas;
    TDBLookupComboBox *DBLookupComboBox2;
    TDBEdit *DBEdit1;
    TDBEdit *DBEdit2;
    TDBEdit *DBEdit3;
    TDBEdit *DBEdit4;
    TDBEdit *DBEdit5;
    TDBLookupComboBox *DBLookupComboBox4;
    TDBRadioGroup *DBRadioGroup1;
    // The teams of the competition.
    QFrame *Panel3;
    TDBGrid *DBGrid1;
    QAction *N1;
    TDBNavigator *DBNavigator1;

    TDataSource *dsKathgories;
    TDataSource *dsPeriodos;
    TDataSource *DataSource1;
    TDataSource *dsPOmades;

signals:
    // The window has closed; the main window shows its logo again.
    void Closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildSearchBar();
    void BuildCompetitionPanel();
    void BuildTeamsPanel();
    // The lists of category, season and country stand on the values of the competition shown, as
    // the data module's rules read the category under the cursor.
    void FollowCompetition();
    // The category list offers every category again (choosing a country narrowed it): no window
    // after this one finds the categories filtered.
    void ShowAllCategories();
    // The team list offers the teams of the competition's country, and the competition's teams
    // are read again.
    void ShowCompetitionTeams();
    // The team table follows the team chosen for a competition team.
    void FollowTeam(TField *field);
};

// The competition editor while it is open; nullptr otherwise.
TDiorganvshForm *DiorganvshForm();
