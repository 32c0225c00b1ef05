#pragma once

#include "editors/result_import.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

// "Αυτόματη Ενημέρωση": loads a category's text result file into a pane with a column ruler and
// reads it into the competition's matches, as a new competition or as an update. Closing only
// hides it.
class TAutoEnhmForm : public QWidget
{
    Q_OBJECT

public:
    explicit TAutoEnhmForm(QWidget *parent = nullptr);

    void FormShow();
    void FormClose();
    void DiorgComboChange();
    void SpeedButton1Click();
    void Type1ButtonClick();
    void WeekButtonClick();
    void BtnConvertClick();
    // Loads a file into the pane and names it in Edit1.
    void LoadFile(const QString &path);
    // The file of the chosen category in the ticked folder.
    QString CategoryFile() const;

    QLineEdit *Edit1;
    QToolButton *SpeedButton1;
    QPushButton *BtnConvert;
    QCheckBox *ChkLast;
    QCheckBox *ChkAll;
    QComboBox *DiorgCombo;
    QComboBox *PeriodCombo;
    QPushButton *Type1Button;
    QPushButton *WeekButton;
    QProgressBar *ProgressBar1;
    QLabel *HeaderControl1;
    QPlainTextEdit *RichEdit1;
    QFileDialog *OpenDialog1;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void RunImport(tav::editors::TImportKind kind);
    void Load();
    void FilterTeamsToCountry();
    void Step();

    tav::editors::TResultImport import_;
};

// The program's results import window, created at start-up; it lives to the end of the program.
TAutoEnhmForm *AutoEnhmForm();
