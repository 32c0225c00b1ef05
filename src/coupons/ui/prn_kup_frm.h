#pragma once

#include "platform/ui/paged_print.h"

#include <QDialog>
#include <QString>

class QPushButton;
class TStringGrid;

// "ΕΚΤΥΠΩΣΗ KΟYΠΟΝΙΟΥ ΟΠΑΠ": a coupon file in a read-only grid of twelve columns, ordered by date,
// and its printout. Frees itself when closed.
class TPrnKupFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TPrnKupFrm(QWidget *parent = nullptr);

    void FormShow();
    void FormResize();
    void BitBtn1Click();
    void BtnPrintClick();
    bool SGrdSelectCell(int col, int row) const;
    // Fills the grid from the coupon file in file order.
    void LoadKupGrid(const QString &path);

    QPushButton *BitBtn1;
    TStringGrid *SGrd;
    QPushButton *BtnPrint;
    QPushButton *BitBtn3;
    TGridPrintState PrintState;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

// The open print form, made when there is none.
TPrnKupFrm *PrnKupFrm();
