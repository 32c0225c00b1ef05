#pragma once

#include <QWidget>

class QCloseEvent;
class QFrame;
class QPushButton;
class TDataSource;
class TDBGrid;
class TDBLookupComboBox;

// "Ελεγχός αρχείου Αγώνων": finds the competitions in which a match names a side differently in
// the competition's team list and in the clubs, and lists every match of those competitions on
// the data module's shared matches table. A category and season below narrow the list to one
// competition first; the check adds the competitions it finds to that. The window is a child of
// the main window's client area; closing it clears the matches' filter and destroys it.
class TAgvnUtilFrm : public QWidget
{
    Q_OBJECT
public:
    explicit TAgvnUtilFrm(QWidget *parent = nullptr);

    void FormShow();
    // The check.
    void BitBtn1Click();
    void BitBtn2Click();
    // A category was picked: the matches of its competition in the season picked.
    void DBLookupComboBox1CloseUp();
    void FormClose();

    TDBGrid *DBGrid1;
    QFrame *Panel1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    TDBLookupComboBox *DBLookupComboBox1;
    TDBLookupComboBox *DBLookupComboBox2;
    TDataSource *dsAgvnes;
    TDataSource *dsKathgories;
    TDataSource *dsPeriodos;

signals:
    // The window has closed; the main window shows its logo again.
    void Closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Set by the first showing, which starts the list from every match.
    bool started_ = false;
};

// The matches-file check while it is open; nullptr otherwise.
TAgvnUtilFrm *AgvnUtilFrm();
