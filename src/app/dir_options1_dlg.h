#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "ΚΑΤΑΛΟΓΟΙ ΕΦΑΡΜΟΓΩΝ": the installation folders of the sister programs Drumlane and Velmistor
// and of this program, kept in section "Options" of "Software\Tavrolin\Directories" (values
// Drumlane, Tavrolin, Velmistor) for the coupon download and the proposal savers. OK stores the
// first three edits as typed; the last three rows are not stored.
class TDirOptions1Dlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int RowCount = 6;
    static constexpr int HelpContext = 3;

    explicit TDirOptions1Dlg(QWidget *parent = nullptr);

    void FormShow();
    void OKBtnClick();
    // The browse button of a row (0 to 5): a folder picker whose choice goes into the row's edit.
    void SpeedButtonClick(int row);
    void BtnHelpClick();

    QGroupBox *GroupBox1;
    std::array<QLabel *, RowCount> Labels;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QLineEdit *Edit5;
    QLineEdit *Edit6;
    std::array<QToolButton *, RowCount> SpeedButtons;
    QPushButton *BtnOk;
    QPushButton *BtnCancel;
    QPushButton *BtnHelp;

public slots:
    // Escape and the window's close button cancel as the cancel button does (modal result 2).
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::array<QLineEdit *, RowCount> Edits() const;
};

// The program's folder options dialog, created on first use; it lives to the end of the program.
TDirOptions1Dlg *DirOptions1Dlg();
