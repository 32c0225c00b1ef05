#pragma once

#include "report/analysis_export.h"
#include "report/export_language.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Επιλογή Δημιουργίας Αρχείων": the export options every view with a save button asks for —
// which languages, which kinds of file and the name of the text files. The dialog only collects:
// its caller reads the boxes and the name after OK and writes the files. The ticks and the name
// stay from one use to the next within a run and start from the defaults at every start.
class TFileSaveForm : public QDialog
{
    Q_OBJECT

public:
    explicit TFileSaveForm(QWidget *parent = nullptr);

    // Puts the proposed name into the name box, shows the dialog modally and returns how it
    // closed: 1 for OK, 2 for cancel (also Escape and the close button). Resets none of the boxes.
    int ExecuteSave(const QString &FileName);
    bool LanguageTicked(tav::report::TExportLanguage language) const;
    // The ticked languages and kinds with the name typed, read once after OK.
    tav::report::TExportOptions ExportOptions() const;

    QGroupBox *LanguageGroup;
    QCheckBox *CheckBoxGR;
    QCheckBox *CheckBoxEn;
    QCheckBox *CheckBoxIt;
    QGroupBox *KindGroup;
    QCheckBox *CheckBoxTxt;
    QCheckBox *CheckBoxHtm;
    QCheckBox *CheckBoxDoc;
    QLabel *NameLabel;
    QLineEdit *FNameEdit;
    QPushButton *OkBtn;
    QPushButton *CancelBtn;

public slots:
    void reject() override;
};

// The program's export options, created at start-up; it lives to the end of the program.
TFileSaveForm *FileSaveForm();
