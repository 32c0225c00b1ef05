#pragma once

#include <QDialog>

#include <functional>
#include <utility>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The row range of an analysis page's command: from row Edit1 to row Edit2, or every row when
// ChkAll is checked. OK answers 1, the close box 2.
class TRangeDlg : public QDialog
{
    Q_OBJECT
public:
    // Backspace, Tab, Enter and the digits pass; every other typed key (the minus sign too) is dropped.
    void Edit1KeyPress(QChar &key);

    // Offers rows 1 to rowCount with all rows unchecked, as a page does before showing the dialog.
    void Prepare(int rowCount);
    // The rows chosen: 1 to rowCount when all rows are checked, else the two edits; an edit that
    // holds no whole number raises EConvertError.
    std::pair<int, int> Rows(int rowCount) const;
    // Offers rows 1 to rowCount and, unless cancelled, hands the chosen rows to the command; a
    // bound that is no whole number shows the conversion message instead.
    void RunOverRows(int rowCount, const std::function<void(int fromRow, int toRow)> &command);

    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *Label2;
    QLineEdit *Edit2;
    QCheckBox *ChkAll;
    QPushButton *BtnOK;

public slots:
    void reject() override;

protected:
    TRangeDlg(const char *caption, const char *allRows, QWidget *parent);
};

// "ΠΕΡΙΟΧΗ ΚΑΘΑΡΙΣΜΟΥ": the rows whose proposals a page clears.
class TClearRangeDlg : public TRangeDlg
{
    Q_OBJECT
public:
    explicit TClearRangeDlg(QWidget *parent = nullptr);
};

// "ΠΕΡΙΟΧΗ ΥΠΟΛΟΓΙΣΜΟΥ": the rows whose proposals a page scores.
class TCalcRangeDlg : public TRangeDlg
{
    Q_OBJECT
public:
    explicit TCalcRangeDlg(QWidget *parent = nullptr);
};

// The two range dialogs of the program, created on first use; they live to the end of the program.
TClearRangeDlg *ClearRangeDlg();
TCalcRangeDlg *CalcRangeDlg();
