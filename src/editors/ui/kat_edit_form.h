#pragma once

#include <QDialog>
#include <QIcon>
#include <QList>

class TDataSource;
class TDBGrid;
class TDBNavigator;

// "Κατηγορίες": the categories of competitions, edited in place on the data module's Kathgories
// with their country and type chosen from lists. The navigator offers no delete, and the table
// refuses a delete from the grid.
class TKatEditForm : public QDialog
{
    Q_OBJECT
public:
    explicit TKatEditForm(QWidget *parent = nullptr);

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

// The categories editor, created on first use; it lives to the end of the program.
TKatEditForm *KatEditForm();
