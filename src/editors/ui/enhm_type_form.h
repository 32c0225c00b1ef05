#pragma once

#include "editors/result_text_format.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLineEdit;
class QPushButton;

// The column layout of a text result file: where the date, the two teams and the score stand
// and in which format, kept in the boxes until the program ends or another layout file is opened.
// OK closes with result 1, Cancel with 2.
class TEnhmTypeForm : public QDialog
{
    Q_OBJECT

public:
    explicit TEnhmTypeForm(QWidget *parent = nullptr);

    // The layout as the boxes hold it, and the boxes set from one.
    tav::editors::TResultLayout Layout() const;
    void SetLayout(const tav::editors::TResultLayout &layout);

    void Button1Click();
    void Button2Click();
    // Reads and writes a layout file; the caption becomes the file's full name. File and number
    // errors propagate.
    void OpenLayoutFile(const QString &path);
    void SaveLayoutFile(const QString &path);

    QLineEdit *DateStart;
    QLineEdit *DateLen;
    QComboBox *DateType;
    QCheckBox *DateDivision;
    QLineEdit *GhpStart;
    QLineEdit *GhpLen;
    QLineEdit *FilStart;
    QLineEdit *FilLen;
    QLineEdit *ScoreStart;
    QLineEdit *ScoreLen;
    QComboBox *ScoreType;
    QCheckBox *LineDivision;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QFileDialog *OpenDialog;
    QFileDialog *SaveDialog;
};

// The program's layout dialog, created at start-up; it lives to the end of the program.
TEnhmTypeForm *EnhmTypeForm();
