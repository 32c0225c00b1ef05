#pragma once

#include "report/export_folders.h"

#include <QDialog>
#include <QStringList>

class QButtonGroup;
class QFileDialog;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "ΑΥΤΟΜΑΤΗ ΕΝΗΜΕΡΩΣΗ ΑΠΟ  INTERNET": fetches the result pages of the ticked categories, as
// Tavrolin.ini places them, into their text result files, showing the lines of the page in hand.
// The ticked categories are remembered in selDownload.txt from one showing to the next.
class TGetFilesFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TGetFilesFrm(QWidget *parent = nullptr);

    void FormShow();
    void FormClose();
    void FillCategoryList();
    // Download, save and view.
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    // The ticked categories in list order.
    QStringList Ticked() const;
    // The suffix of the radio group: all matchdays (item 0) or the last one (item 1).
    tav::report::TResultSpan Span() const;

    // How long one page may take, in milliseconds, before its category is reported as failed.
    int PageTimeout = 30000;

    QGroupBox *GroupBox1;
    QListWidget *DiorgListBox;
    QButtonGroup *RdGroup;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn3;
    QPlainTextEdit *Memo1;
    QFileDialog *OpenDialog1;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

// The program's web download window, created at start-up; it lives to the end of the program.
TGetFilesFrm *GetFilesFrm();
