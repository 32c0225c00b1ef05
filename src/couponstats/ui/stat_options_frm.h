#pragma once

#include "couponstats/auto_list.h"

#include <QDialog>
#include <QList>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "ΕΠΙΛΕΞΤΕ": the statistic kind that the next analysis page computes and over how many recent
// matches (N, "0" for all), and the AUTO list that replays such choices one page after another.
// Callers show it modally and read its controls back.
class TStatOptionsFrm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int KindCount = 13;

    explicit TStatOptionsFrm(QWidget *parent = nullptr);

    // Fills the kinds, selects the first and reads the AUTO list.
    void FormCreate();
    // Sets the caption of N, N and the all-matches box as the chosen kind asks.
    void RadioGroup1Click();
    // All matches checked sends N = 0.
    void FormClose();

    // The chosen kind (item index) and its caption.
    int ItemIndex() const;
    QString ItemCaption() const;
    // Chooses the kind as a click on its item does.
    void SetItemIndex(int kind);

    // The next AUTO step: while steps are left, sets the AUTO flag, takes the step's kind and N with
    // all matches unchecked and returns true (the page then goes on without showing the dialog);
    // once the list is used up, clears the flag and returns false.
    bool TakeAutoStep();
    int AutoCount() const { return static_cast<int>(AutoSteps.size()); }

    QGroupBox *GroupBox1;
    QGroupBox *RadioGroup1;
    QButtonGroup *RadioButtons;
    QLabel *Label1;
    QLineEdit *EdtParam;
    QCheckBox *ChkAll;
    QPushButton *BBtnOK;
    QPushButton *BBtnCancel;

    // The AUTO list of this run, the steps already taken, and whether a chain is running.
    QList<tav::couponstats::TAutoStep> AutoSteps;
    int AutoCursor = 0;
    bool AutoMode = false;

public slots:
    // Every way of closing passes through FormClose; Escape and the close box answer 2.
    void done(int result) override;
    void reject() override;

private:
    void ReadAutoList();
};

// The statistic options of the program, created on first use; it lives to the end of the program.
TStatOptionsFrm *StatOptionsFrm();
