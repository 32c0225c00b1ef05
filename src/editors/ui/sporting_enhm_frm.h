#pragma once

#include <QDialog>

class QComboBox;
class QFileDialog;
class QPlainTextEdit;
class QPushButton;

// "Ενημέρωση Αρχείων ΑΓΓΛΙΑΣ, ΣΚΩΤΙΑΣ,ΕΛΛΑΔΑΣ": one results page, chosen by hand, read through
// all its frames into text result lines that the user may mend and save, by default among the
// last-matchday files of the results import. The addresses offered come from SportingLinks.txt.
class TSportingEnhmFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TSportingEnhmFrm(QWidget *parent = nullptr);

    void FormShow();
    // Go, save.
    void BitBtn1Click();
    void BitBtn2Click();

    // How long the page may take, in milliseconds.
    int PageTimeout = 30000;

    QComboBox *EdtURL;
    QPushButton *BitBtn1;
    QPlainTextEdit *RichEdit1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn3;
    QFileDialog *SaveDialog1;

protected:
    void showEvent(QShowEvent *event) override;
};

// The program's browser capture window, created at start-up; it lives to the end of the program.
TSportingEnhmFrm *SportingEnhmFrm();
