#pragma once

#include <QDialog>
#include <QString>

class TDataSource;
class TDBGrid;
class TDBNavigator;

// The filter of the matches of competition dNo up to and including matchday agvnistikh that have
// no full-time result yet; with no competition (an empty dNo) a filter that shows no match.
QString UnplayedMatchesFilter(const QString &dNo, const QString &agvnistikh);

// "Ενημέρωση Αποτελεσμάτων": the matches of the competition under the competitions summary's
// cursor, up to its current matchday, that still have no result, edited in place on the data
// module's Agvnes (so the module's match rules apply). Hiding or closing the window clears the
// filters it put on the matches and the competitions.
class TAgvnesForm1 : public QDialog
{
    Q_OBJECT
public:
    explicit TAgvnesForm1(QWidget *parent = nullptr);

    void FormShow();
    void FormHide();
    void FormClose();

    TDataSource *DataSource1;
    TDBNavigator *DBNavigator1;
    TDBGrid *DBGrid1;

public slots:
    // Every way of closing (close button, Escape) ends the change left in the matches and runs
    // FormClose; a change the table refuses now keeps the window open for correction.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

// The unplayed-matches window, created on first use; it lives to the end of the program.
TAgvnesForm1 *AgvnesForm1();
