#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TDataSource;
class TDBLookupComboBox;
class TDBLookupListBox;

// "ΕΠΙΛΟΓΗ ΔΙΟΡΓΑΝΩΣΗΣ - ΠΕΡΙΟΔΟΥ": at start the user picks the category and the season to work
// on. While the dialog is open the data module's competitions are narrowed to the chosen category
// and the season list shows that category's competitions; OK with a pair that exists remembers it
// (NameD, NameP and the competition's highest matchday Agvnistikh) and leaves the competitions
// unfiltered, standing on the chosen competition.
class TSelOptDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TSelOptDlg(QWidget *parent = nullptr);

    void FormShow();
    void DBLookupComboBox1Click();
    void OKBtnClick();
    // Opens the program's help.
    void BitBtn1Click();

    QFrame *Bevel1;
    QLabel *Label1;
    TDBLookupComboBox *DBLookupComboBox1;
    QLabel *Label2;
    TDBLookupListBox *DBLookupListBox1;
    QPushButton *OKBtn;
    QPushButton *BitBtn1;
    TDataSource *DataSource1;

public slots:
    // The dialog has no way out but OK: Escape does nothing.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The season list on the last competition of the category now filtered.
    void ShowLastSeason();
    // Ends the dialog; the competitions are never left narrowed to one category.
    void Finish();
};

// The start-up selection dialog, created on first use; it lives to the end of the program.
TSelOptDlg *SelOptDlg();
