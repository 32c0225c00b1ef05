#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "ΕΠΙΛΕΞΤΕ", what both statistic options dialogs share: the kinds above the N row (label, edit,
// "all" box) in the filter box, OK and Cancel below it at the right, the dialog as small as its
// contents; OK closes it with mrOk, Cancel with mrCancel. The derived dialog adds the radio buttons
// of its kinds to RadioGroup1 and RadioButtons, numbered from 0, and answers a click on one.
// Callers show it modally and read its controls back.
class TStatOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    // The caption of N and N as the dialog starts.
    static constexpr const char *RecentCaption = "Πρόσφατοι Αγωνες";
    static constexpr const char *DefaultParam = "6";

    // Sets the caption of N, N and the all-matches box as the chosen kind asks.
    virtual void RadioGroup1Click() = 0;
    // All matches checked sends N = 0.
    void FormClose();

    // The chosen kind (item index) and its caption.
    int ItemIndex() const;
    QString ItemCaption() const;

    QGroupBox *GroupBox1;
    QGroupBox *RadioGroup1;
    QButtonGroup *RadioButtons;
    QLabel *Label1;
    QLineEdit *EdtParam;
    QCheckBox *ChkAll;
    QPushButton *BBtnOK;
    QPushButton *BBtnCancel;

public slots:
    // Every way of closing passes through FormClose; Escape and the close box answer 2.
    void done(int result) override;
    void reject() override;

protected:
    explicit TStatOptionsDialog(QWidget *parent);
};
