#pragma once

#include "platform/ui/progress_bar.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The one shared progress window of long loops. It has no behaviour of its own; a caller:
//  1. sets ModalResult to mrNone,
//  2. sets ProgBar's position to 0 and its maximum to the number of steps,
//  3. writes what is being done into Label1,
//  4. shows the window (modeless),
//  5. per step does the work, advances ProgBar, lets pending messages run (ProcessMessages) and
//     stops when ModalResult is mrCancel (the user pressed "ΑΚΥΡΩΣΗ"),
//  6. hides the window.
// The cancel button and Escape only set the modal result: the window stays open, and it has no
// close button in its title bar.
class TProgressDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TProgressDlg(QWidget *parent = nullptr);

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    TProgressBar *ProgBar;
    QLabel *Label1;
    QPushButton *BitBtn1;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    int modalResult_;
};

// The program's progress window, created on first use; it lives to the end of the program.
TProgressDlg *ProgressDlg();
