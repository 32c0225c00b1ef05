#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "Κατάλογοι Εφαρμογών": the folders of the Greek and the English copy of the web site, kept as
// "DeRerUzive" and "VuVavUdova" in section "Options" of "Software\TAVROLIN\Directories". OK stores
// both edits as they stand, also empty; cancel stores nothing.
class TDirOptionsDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int HelpContext = 5;

    explicit TDirOptionsDlg(QWidget *parent = nullptr);

    void FormShow();
    void OKBtnClick();
    void SpeedButton1Click();
    void SpeedButton2Click();

    QGroupBox *GroupBox1;
    QLabel *Label1;
    QLineEdit *Edit1;
    QToolButton *SpeedButton1;
    QLabel *Label2;
    QLineEdit *Edit2;
    QToolButton *SpeedButton2;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The folder chooser, shown through the modal runner; its choice replaces the edit's text.
    void Browse(QLineEdit *edit);
};

TDirOptionsDlg *DirOptionsDlg();
