#pragma once

#include "coupons/user_kup.h"

#include <QDate>
#include <QDialog>
#include <QList>

#include <functional>

class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;
class TStringGrid;
class TStyGroupBox;

// "Κουπόνια Χρήστη": the user's own coupon from the stored matches of the chosen seasons and
// categories within a range of days; the checked rows are saved as a coupon file in MyKouponia and
// their codes and odds written into their matches.
class TMakeUserKupFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TMakeUserKupFrm(QWidget *parent = nullptr);

    void FormShow();
    void BBtnMakeClick();
    void BBtnSaveClick();
    void SGrdMouseUp(Qt::MouseButton button, int x, int y);
    bool SGrdSelectCell(int col, int row);
    // Sorts the data rows by the column; each row keeps the match it was filled from.
    void SortUserKupGrid(int column);

    // Today's date as the window sees it; tests fix it.
    std::function<QDate()> Today;

    TStyGroupBox *StyGroupBox1;
    QLabel *Label1;
    QListWidget *PeriodCombo;
    QLabel *Label2;
    QListWidget *DiorgListBox;
    QLabel *Label3;
    QDateEdit *DateFrom;
    QLabel *Label4;
    QDateEdit *DateTo;
    QPushButton *BBtnMake;
    QPushButton *BtnBack;
    TStringGrid *SGrd;
    QWidget *Panel1;
    QPushButton *BBtnSave;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<tav::coupons::TUserKupRow> GridRows() const;
    void SetGridRows(const QList<tav::coupons::TUserKupRow> &rows);
    void ClearGrid();

    // The match of every data row, in row order.
    QList<int> gameNos_;
};

TMakeUserKupFrm *MakeUserKupFrm();
