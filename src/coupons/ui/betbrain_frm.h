#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;
class TStringGrid;

// "ΕΝΗΜΕΡΩΣΗ ΜΕΣΩΝ ΑΠΟΔΟΣΕΩΝ ΑΓΩΝΩΝ ΑΠΟ BETBRAIN": a coupon's odds beside the odds service's
// averages, with deviations, margins and a proposed sign per match, the score of the proposals,
// the comparison page and the tip-column file. Made by its menu command when missing; frees itself
// when closed.
class TBETBRAINFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TBETBRAINFrm(QWidget *parent = nullptr);
    ~TBETBRAINFrm() override;

    void FormShow();
    void FormClose();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn4Click();
    void FormResize();

    // Reads the coupon into the grid, one row per match; a file that cannot be read to its end
    // keeps the rows read so far after its message.
    void LoadKupGrid(const QString &path);
    void CompareRowOdds(int row);
    void ShowProposalScore();
    void SortBetBrainGrid(int column);
    // Writes the tip-column file of rows RangeFrom..RangeTo and copies it into the English site
    // folder when one is set; reports a failure.
    bool WriteBetBrainProposal(const QString &path);

    TStringGrid *SGrd;
    QLabel *Label1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn4;
    QPushButton *BitBtn3;

    QString KupFilePath;
    QString KupFileName;
    QString SavedOmadesFilter;
    int RangeFrom = 1;
    int RangeTo = 0;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void InitBetBrainGrid();
    void ClearDataRows();
    QStringList GridRow(int row) const;
    void SetGridRow(int row, const QStringList &cells);
    QList<QStringList> DataRows() const;
    void WriteComparisonPage(const QString &path);
};

// The form while it is open; nullptr once it has closed.
TBETBRAINFrm *BETBRAINFrm();
// Makes the form when it is missing.
TBETBRAINFrm *CreateBETBRAINFrm();
