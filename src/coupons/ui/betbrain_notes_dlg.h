#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TStringGrid;

// "ΠΑΡΑΤΗΡΗΣΕΙΣ - ΕΙΣΑΓΩΓΗ": the proposed rows of the odds comparison to read, and the notes that
// the tip-column file ends with. The notes stay from one save to the next within a run.
class TNotesDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TNotesDlg(QWidget *parent = nullptr);

    // The comparison grid's column shown in each column of the dialog's grid.
    static const QList<int> &SourceColumns();

    // Row 0 the titles, then one row per proposed row, each taken by SourceColumns.
    void FillRows(const QStringList &titles, const QList<QStringList> &rows);
    QStringList Notes() const;

    TStringGrid *SGrd;
    QLabel *Label5;
    QPlainTextEdit *Memo2;
    QPushButton *BtnCancel;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
};

TNotesDlg *NotesDlg();
