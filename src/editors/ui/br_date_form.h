#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;
class QToolButton;

// "Επιλογή Ημερομηνίας": a month calendar with its own month title and month buttons, through
// which the match list picks the date of a matchday. OK closes with result 1, cancel with 2.
class TBrDateForm : public QDialog
{
    Q_OBJECT

public:
    explicit TBrDateForm(QWidget *parent = nullptr);

    void SetDate(const QDate &date);
    QDate GetDate() const;

    void PrevMonthBtnClick();
    void NextMonthBtnClick();
    void Calendar1Change();

    QLabel *TitleLabel;
    QToolButton *PrevMonthBtn;
    QToolButton *NextMonthBtn;
    QCalendarWidget *Calendar1;
    QPushButton *OkBtn;
    QPushButton *CancelBtn;

public slots:
    // Escape and the close button answer as the cancel button does.
    void reject() override;
};

// The program's date picker, created on first use; it lives to the end of the program.
TBrDateForm *BrDateForm();
