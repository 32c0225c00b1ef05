#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class TStringGrid;

// "ΕΝΗΜΕΡΩΣΗ ΑΓΩΝΩΝ ΑΠΟ KΟYΠΟΝΙ": a coupon in a grid, and the update of the matches it names with
// their coupon number, date, time, odds and score. Frees itself when it closes.
class TOPAPFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TOPAPFrm(QWidget *parent = nullptr);

    void FormShow();
    void InitOpapGrid();
    void FillPeriodCombo();
    void BBtnKupClick();
    // Rows of the coupon in file order; a file that cannot be read to its end says so and keeps the
    // rows read before.
    void LoadKupGrid(const QString &path);
    void BBtnEnhmClick();
    void FormClose();
    void FormResize();

    QFrame *Panel1;
    QPushButton *BBtnKup;
    QPushButton *BBtnEnhm;
    QPushButton *BBtnBack;
    QLabel *Label1;
    QListWidget *PeriodCombo;
    TStringGrid *SGrd;

    QString KupFilePath;
    QDateTime KupDateFrom;
    QDateTime KupDateTo;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

// The form while it exists, made anew after it has freed itself.
TOPAPFrm *OPAPFrm();
