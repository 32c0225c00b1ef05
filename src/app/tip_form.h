#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

// The stored tips, numbered from 0.
inline constexpr int TipCount = 17;
const std::array<QString, TipCount> &Tips();

// The two flags of the tip of the day (section "Tips" of "Software\Tavrolin\General"): ShowTips,
// whether the tip comes up at start (default true), and EndFlag, whether this run has already
// had its tip (default false).
bool ReadShowTips();
void WriteShowTips(bool show);
bool ReadEndFlag();
void WriteEndFlag(bool shown);

// "Πληροφορία της Ημέρας": one tip chosen at random, a button for another one and the check box
// that decides whether the tip comes up at the next start.
class TTipsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TTipsDlg(QWidget *parent = nullptr);

    // Puts a tip drawn at random into Label2 (the same one may come twice in a row).
    void ShowRandomTip();

    void FormShow();
    void BitBtn2Click();
    void FormClose();

    QFrame *Panel1;
    QLabel *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QCheckBox *ChkShowTips;
    QPushButton *BitBtn2;
    QPushButton *BitBtn1;

public slots:
    void done(int result) override;
    // Escape and the window's close button close as "&Κλείσιμο" does (modal result 2).
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
};

// The program's tip dialog, created on first use; it lives to the end of the program.
TTipsDlg *TipsDlg();
