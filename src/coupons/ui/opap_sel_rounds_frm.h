#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TDataSource;
class TDBGrid;
class TQuery;

// "Επιλέξτε αγώνα για ενημέρωση": the meetings of a coupon row's pair, one to be picked for the
// update of matches from the coupon (OK or a double click); the pick is the query's current row.
class TSelRoundsFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TSelRoundsFrm(QWidget *parent = nullptr);

    // Shows the candidates with the caption describing the coupon row; true when one was picked.
    bool Choose(TQuery &candidates, const QString &caption);
    void DBGrid1DblClick();

    QLabel *Panel2;
    TDataSource *DataSource1;
    TDBGrid *DBGrid1;
    QFrame *Panel1;
    QPushButton *BBtnOK;
    QPushButton *BBtnCancel;
};

TSelRoundsFrm *SelRoundsFrm();
