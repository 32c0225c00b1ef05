#pragma once

#include "coupons/coupon_list.h"

#include <QDialog>

class QAbstractButton;
class QListWidget;
class QTabWidget;
class QWidget;

// What both coupon pickers share: "ΕΠΙΛΕΞΤΕ ΚΟΥΠΟΝΙ" with the page of the downloaded coupons
// (Kouponia) and the page of the user's (MyKouponia), each listing its folder newest first. A
// line keeps the real name of its file. The page shown last is shown again at the next use.
class TCouponPicker : public QDialog
{
    Q_OBJECT
public:
    void FormShow();
    void PageControl1Change();
    // Lists the current page's folder (created when missing).
    void FillKupList();
    // OK: the chosen line's file becomes the choice and the picker closes with OK; without a chosen
    // line "Παρακαλώ επιλέξτε ένα κουπόνι!" and the picker stays open.
    void OkClick();
    // A double click on a line chooses it as OK does.
    void List1DblClick();
    // The text of the chosen line of the current page; empty without one.
    QString SelectedLine() const;

    QTabWidget *PageControl1;
    QWidget *OpapKup;
    QWidget *MyKup;
    QListWidget *List1;
    QListWidget *List2;
    QList<tav::coupons::TCouponListEntry> KupFiles;

public slots:
    void reject() override;

protected:
    explicit TCouponPicker(QWidget *parent);
    // Places the OK button below the pages.
    void PlaceOkButton(QAbstractButton *button);
    // Takes the chosen file (its full path, page 0 Kouponia, 1 MyKouponia).
    virtual void Choose(const QString &path, int page) = 0;
    void showEvent(QShowEvent *event) override;

private:
    QListWidget *CurrentList() const;
};
