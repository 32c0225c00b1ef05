#pragma once

#include "platform/ui/paged_print.h"

#include <QDateTime>
#include <QDialog>
#include <QString>

class QPushButton;
class QWidget;
class TStringGrid;

// "ΕΜΦΑΝΙΣΗ-ΑΛΛΑΓΕΣ KΟYΠΟΝΙΟΥ": every field of a coupon file in a grid of twenty columns, with
// the kick-off times and odds changed as chosen while loading; the user corrects the cells, prints
// the grid and writes the corrections back into the same file. Frees itself when closed.
class TViewEditKupFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TViewEditKupFrm(QWidget *parent = nullptr);

    void FormShow();
    void FormResize();
    void BtnKupClick();
    void BtnPrintClick();
    void BtnSaveClick();
    bool SGrdSelectCell(int col, int row) const;
    void SGrdKeyPress(QChar &key) const;
    // Fills the grid from the coupon file, the changes of the change dialog applied.
    void LoadKupGrid(const QString &path);

    QWidget *Panel1;
    QPushButton *BtnKup;
    QPushButton *BtnPrint;
    QPushButton *BtnBack;
    QPushButton *BtnSave;
    TStringGrid *SGrd;

    QString KupFile;
    QDateTime DateFrom;
    QDateTime DateTo;
    int KupTag = 0;
    TGridPrintState PrintState;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

// The open viewer, made when there is none.
TViewEditKupFrm *ViewEditKupFrm();
