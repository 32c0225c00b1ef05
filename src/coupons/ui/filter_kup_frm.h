#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "ΦΙΛΤΡΑΡΙΣΜΑ ΑΓΩΝΩΝ": the dates, code range, odds ranges and competitions of the coupon's
// matches that an analysis takes. The caller sets FromMyKouponia, KupFileName and Periods before
// showing it; each checked item of ChkLstDior carries its competition's DNo (Qt::UserRole).
class TFilterKupFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TFilterKupFrm(QWidget *parent = nullptr);

    void FormShow();
    void LoadFilterKup();
    void ChkAllClick();
    // The checked competitions' DNo, in list order.
    QList<int> CheckedDiorg() const;

    QGroupBox *GrpDates;
    QDateEdit *DateFrom;
    QDateEdit *DateTo;
    QGroupBox *GrpCodes;
    QLineEdit *EdtKvdApo;
    QLineEdit *EdtKvdEos;
    QGroupBox *GrpOdds;
    QLineEdit *EdtAp1From;
    QLineEdit *EdtAp1To;
    QLineEdit *EdtApXFrom;
    QLineEdit *EdtApXTo;
    QLineEdit *EdtAp2From;
    QLineEdit *EdtAp2To;
    QGroupBox *GrpDior;
    QListWidget *ChkLstDior;
    QCheckBox *ChkAll;
    QLabel *LblHelp;
    QPushButton *BBtnOK;
    QPushButton *BitBtn1;

    bool FromMyKouponia = false;
    QString KupFileName;
    QStringList Periods;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
};

TFilterKupFrm *FilterKupFrm();
