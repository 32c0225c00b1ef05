#pragma once

#include "editors/match_text_save.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableWidget;

// "Σώσιμο Αγώνων": lists a competition's matches from one matchday to another and saves them as
// a text result file, optionally with a second round of the same fixtures reversed.
class TAgvnSaveForm : public QWidget
{
    Q_OBJECT

public:
    explicit TAgvnSaveForm(QWidget *parent = nullptr);

    void FormShow();
    void DiorgComboChange();
    void Button1Click();
    void BitBtn1Click();
    // Writes the listed matches to the file.
    void SaveListed(const QString &path);

    QComboBox *DiorgCombo;
    QComboBox *PeriodCombo;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QPushButton *Button1;
    QPushButton *BitBtn1;
    QCheckBox *chk2ndround;
    QTableWidget *DBGrid1;
    QStatusBar *StatusBar1;
    QFileDialog *SaveDialog;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QList<tav::editors::TSavedMatch> listed_;
};

// The program's match saving window, created at start-up; it lives to the end of the program.
TAgvnSaveForm *AgvnSaveForm();
