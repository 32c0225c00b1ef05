#pragma once

#include "platform/db/query.h"

#include <QWidget>

class QFrame;
class QLabel;
class TDBGrid;
class TDBNavigator;
class TDataSource;

// The detail of one predicted match: each side's standing before the match and its earlier
// matches on the same side (the home side's home matches, the away side's away matches) in every
// competition and season, newest first.
class TAgvnPosostaAnalyshForm : public QWidget
{
    Q_OBJECT
public:
    explicit TAgvnPosostaAnalyshForm(QWidget *parent = nullptr);
    ~TAgvnPosostaAnalyshForm() override;

    // The standing line of the side of match GameNo named by TeamField ("Ghpedoyxos" or
    // "Filojenoymenh"), with the side word SideWord ("Εντός" or "Εκτός").
    QString StandingLine(int GameNo, const QString &TeamField, const QString &SideWord);

    TQuery Query1;
    TQuery Query2;
    TDataSource *DataSource1;
    TDataSource *DataSource2;
    QFrame *Panel1;
    QLabel *GhpNameLabel;
    QLabel *GhpIsxyslabel;
    TDBNavigator *DBNavigator1;
    TDBGrid *DBGrid1;
    QFrame *Panel2;
    QLabel *FilNameLabel;
    QLabel *FilIsxyslabel;
    TDBNavigator *DBNavigator2;
    TDBGrid *DBGrid2;

private:
    void SetUpQuery(TQuery &query, bool home);
    void SetUpGrid(TDBGrid &grid, bool home);
    QFrame *MakePanel(QLabel *&name, QLabel *&standing, TDBNavigator *&navigator, TDataSource *source);
};

// Fills the window for match GameNo and shows it; a failing lookup of its labels is reported
// after the histories are shown.
void ShowMatchDetail(TAgvnPosostaAnalyshForm &form, int GameNo);

// The detail window, created on first use; it lives to the end of the program.
TAgvnPosostaAnalyshForm *AgvnPosostaAnalyshForm();
