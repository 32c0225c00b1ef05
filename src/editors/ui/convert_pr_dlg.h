#pragma once

#include <QDialog>

class QFileDialog;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class TUpDownEdit;

// "ΜΕΤΑΤΡΟΠΗ ΑΡΧΕΙΩΝ ΑΓΓΛΙΑΣ , ΣΚΩΤΙΑΣ": a results page saved from a web site, shown as its source
// text, turned into a text file of result rows grouped by date for the results import.
class TConvertPRDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TConvertPRDlg(QWidget *parent = nullptr);

    // Picks the page; converts and saves.
    void SpeedButton1Click();
    void BitBtn1Click();
    // Converts the pane's lines, as shown, into the file chosen in the save dialog.
    void ConvertSavedPage();

    QLineEdit *Edit1;
    QToolButton *SpeedButton1;
    TUpDownEdit *UpDown1;
    QLineEdit *Edit2;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QPlainTextEdit *RichEdit1;
    QFileDialog *OpenDialog1;
    QFileDialog *SaveDialog1;
};

// The program's saved-page converter, created at start-up; it lives to the end of the program.
TConvertPRDlg *ConvertPRDlg();
