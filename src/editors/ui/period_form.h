#pragma once

#include <QDialog>
#include <QIcon>
#include <QList>

class TDataSource;
class TDBGrid;
class TDBNavigator;

// "Περίοδος": the seasons, edited in place on the data module's Periodos (newest first). A season
// that a competition uses cannot be deleted (the data module's rule); one typed twice is refused
// by the database.
class TPeriodForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPeriodForm(QWidget *parent = nullptr);

    void FormShow();

    TDataSource *DataSource1;
    TDBNavigator *DBNavigator1;
    TDBGrid *DBGrid1;
    QList<QIcon> ImageList1;

public slots:
    // Every way of closing (close button, Escape) first ends the change left in the table; one the
    // table refuses now keeps the window open for correction.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
};

// The seasons editor, created on first use; it lives to the end of the program.
TPeriodForm *PeriodForm();
