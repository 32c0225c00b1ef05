#pragma once

#include "analysis/proistoria_engine.h"
#include "platform/db/query.h"
#include "platform/db/table.h"

#include <QWidget>

class QFrame;
class TDBGrid;
class TDBText;
class TDataSource;

// "Προϊστορία Αγώνα": the earlier meetings of the two clubs of the match under the cursor of the
// data module's Agvnes, across all competitions and seasons, oldest first. The match list's popup
// menu asks for the home club's home meetings (ShowHomeHistory) or for all meetings of the two
// (ShowAllHistory); each request refills the window and shows it.
class TProistoriaForm : public QWidget
{
    Q_OBJECT
public:
    explicit TProistoriaForm(QWidget *parent = nullptr);
    ~TProistoriaForm() override;

    // The earlier matches in which the home club played at home against the away club.
    void ShowHomeHistory();
    // Every earlier match between the two clubs, either at home.
    void ShowAllHistory();

    TQuery ProistoriaQuery;
    TDataSource *dsProistoriaQuery;
    QFrame *Panel1;
    // The chosen match's teams.
    TDBText *DBText1;
    TDBGrid *ProistoriaGrid;

private:
    void ShowHistory(tav::analysis::THistoryKind kind);
    void ProistoriaQueryCalcFields(TDataSet &dataSet);
    void CentreOnScreen();

    // The clubs' names, whatever competition the shared team table is narrowed to.
    TTable ClubNames;
};

// The head-to-head popup, created on first use; it lives to the end of the program.
TProistoriaForm *ProistoriaForm();
