#pragma once

#include "controls/styled/sty_group_box.h"
#include "couponstats/threshold_store.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QWidget;

// "ΠΑΡΑΜΕΤΡΟΙ ΕΙΔΙΚΗΣ ΑΝΑΛΥΣΗΣ": the six proposal thresholds. Save stores the edits as typed and
// answers 1; apply answers 8 and stores nothing, so the caller takes the edits for itself only.
class Tkup_StatParamFrm : public QDialog
{
    Q_OBJECT
public:
    explicit Tkup_StatParamFrm(QWidget *parent = nullptr);

    // Reads the stored thresholds into the edits, with the special analysis' defaults.
    void FormShow();
    void BBtnSaveClick();
    // Backspace, Tab, Escape, "-" and the digits pass; every other typed key is dropped.
    void Edt1ApoKeyPress(QChar &key);

    // The six edits' texts, in the order 1Apo, 1Eos, XApo, XEos, 2Apo, 2Eos.
    tav::couponstats::TThresholdTexts Texts() const;

    TStyGroupBox *StyGroupBox1;
    QLineEdit *Edt1Apo;
    QLineEdit *Edt1Eos;
    QLineEdit *EdtXApo;
    QLineEdit *EdtXEos;
    QLineEdit *Edt2Apo;
    QLineEdit *Edt2Eos;
    QWidget *Panel1;
    QPushButton *BBtnBack;
    QPushButton *BBtnSave;
    QPushButton *BitBtn1;

public slots:
    // Escape and the close box go back as "&ΕΠΙΣΤΡΟΦΗ" does (2).
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::array<QLineEdit *, 6> Edits() const;
};

// The threshold dialog of the program, created on first use; it lives to the end of the program.
Tkup_StatParamFrm *kup_StatParamFrm();
