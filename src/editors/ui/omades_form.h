#pragma once

#include "platform/db/query.h"

#include <QDialog>
#include <QIcon>
#include <QList>

class QComboBox;
class QLabel;
class QToolButton;
class TDataSource;
class TDBGrid;
class TDBNavigator;

// "Καταχώρηση-Αλλαγή Ομάδων": the teams of one country, chosen in the country list, edited in place
// on the data module's Omades. The countries' cursor stays on the chosen country, so a new team
// belongs to it (the data module's rule gives it its number and checks its names). The delete
// button removes a team that no competition uses. The window is destroyed when it closes.
class TOmadesForm : public QDialog
{
    Q_OBJECT
public:
    explicit TOmadesForm(QWidget *parent = nullptr);

    void FormShow();
    void FormActivate();
    void CmbKrathChange();
    // Deletes the team under the cursor after a confirmation.
    void SpeedButton1Click();
    void FormClose();

    TDataSource *DataSource1;
    TDBNavigator *DBNavigator1;
    TDBGrid *DBGrid1;
    QLabel *Label1;
    QComboBox *CmbKrath;
    QToolButton *SpeedButton1;
    TQuery QryDel;
    QList<QIcon> ImageList1;

public slots:
    // Every way of closing (close button, Escape) ends the change left in the table and runs
    // FormClose; a change the table refuses now keeps the window open for correction.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Moves the countries' cursor to the named country and shows its teams; false when there is
    // no such country.
    bool ShowTeamsOf(const QString &countryName);
};

// The team editor, created when there is none (after a close destroyed the previous one).
TOmadesForm *OmadesForm();
