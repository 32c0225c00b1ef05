#pragma once

#include <QDialog>
#include <QStringList>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "ΕΠΙΛΕΞΤΕ" of the points analysis: its one statistic (the home matches of the home team and
// the away matches of the away team) and over how many recent matches (N, "0" for all). It keeps
// its values between uses; callers show it modally and read its controls back.
class TStatOptionsFormaBFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TStatOptionsFormaBFrm(QWidget *parent = nullptr);

    // Sets the caption of N, N and the all-matches box for the statistic.
    void RadioGroup1Click();
    // All matches checked sends N = 0.
    void FormClose();

    int ItemIndex() const;
    QString ItemCaption() const;
    // Shows the dialog modally; false when cancelled. N is read from it: one that is no number
    // raises EConvertError.
    bool Ask(int &N);
    // The filter code of the page it fills: "BA" for all matches, else "B" and N.
    QString FilterCode() const;

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
    // A dialog of the same look whose kinds are these captions, the first one chosen.
    TStatOptionsFormaBFrm(const QStringList &items, QWidget *parent);
};

// The points analysis options of the program, created on first use; it lives to the end of the
// program.
TStatOptionsFormaBFrm *StatOptionsFormaBFrm();
