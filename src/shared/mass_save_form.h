#pragma once

#include "report/analysis_export.h"
#include "report/export_language.h"

#include <QDialog>
#include <QStringList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// "Μαζικό σώσιμο Πρωταθλημάτων": the choices of a bulk export — one season, the competitions of
// that season ticked in a list, the languages, the kinds of file, how pages are numbered and which
// contents to export. The dialog only collects: the bulk exporters read it after OK. Only the
// competition ticks are kept between runs (on OK, restored on every show); lists of ticked
// competitions can be saved to and loaded from text files in the folder "LISTES".
class TMassSaveForm : public QDialog
{
    Q_OBJECT

public:
    explicit TMassSaveForm(QWidget *parent = nullptr);

    // --- what the exporters read ---
    // The chosen or typed season.
    QString Season() const;
    // The Greek names of the ticked competitions, in list order.
    QStringList TickedCompetitions() const;
    bool LanguageTicked(tav::report::TExportLanguage language) const;
    // True when pages of the bulk exports are numbered 1, 2, 3 into "htm1" besides their matchday.
    bool NumberedPages() const;
    // The ticked languages and kinds and the numbering, read once after OK; the text files take
    // the name given (the one last typed for a single save).
    tav::report::TExportOptions ExportOptions(const QString &fileName) const;

    // --- handlers ---
    void FormCreate();
    void PeriodComboChange();
    void FormShow();
    void BitBtn1Click();
    void BtnSAveClick();
    void BtnLoadClick();
    // Writes the names of the ticked competitions, one per line, into the list file.
    void SaveList(const QString &path) const;
    // Ticks the competitions named by the lines of the list file (without regard to case); lines
    // naming no competition of the list are ignored.
    void LoadList(const QString &path);

    // --- controls ---
    QLabel *PeriodLabel;
    QComboBox *PeriodCombo;
    QLabel *DiorgLabel;
    QListWidget *DiorgListBox;
    QGroupBox *KindGroup;
    QCheckBox *CheckBoxTxt;
    QCheckBox *CheckBoxHtm;
    QCheckBox *CheckBoxDoc;
    QGroupBox *LanguageGroup;
    QCheckBox *CheckBoxGR;
    QCheckBox *CheckBoxEn;
    QCheckBox *CheckBoxIt;
    // "Αρίθμηση": id 0 "Αγωνιστικές", id 1 "1, 2, 3".
    QGroupBox *NumberGroup;
    QButtonGroup *NumberButtons;
    QGroupBox *ContentGroup;
    QCheckBox *BaumCheckBox;
    QCheckBox *SxaraCheckBox;
    QCheckBox *CurrAgvnCheckBox;
    QCheckBox *ProistoriaCheckBox;
    QCheckBox *CurrAgvnAnalCheckBox;
    QCheckBox *ProgramCheckBox;
    QCheckBox *OddsCheckBox;
    QCheckBox *ChkE;
    QPushButton *BtnSAve;
    QPushButton *BtnLoad;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    // The file dialogs of the list buttons, in the folder "LISTES".
    QFileDialog *SaveDialog1;
    QFileDialog *OpenDialog1;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildLayout();
    void FillCompetitions();
    void UntickAll();

    // The file name last chosen for a list, proposed by the next save.
    QString lastListName_;
};

// The program's bulk-export dialog, created at start-up; it lives to the end of the program.
TMassSaveForm *MassSaveForm();
