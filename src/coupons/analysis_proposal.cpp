#include "coupons/analysis_proposal.h"

#include "coupons/analysis_grid.h"
#include "coupons/kup_file.h"
#include "coupons/proposal_file.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tav::coupons {

namespace {

const char *const kSaved = "Η αποθήκευση ολοκληρώθηκε!";
const char *const kMismatch = "Η πρόταση αφορά το κουπόνι %1 και δεν συμφωνεί με αυτό που έχετε φορτώσει!"
                              "Παρακαλώ κάντε ανάλυση στο κουπόνι %1 και μετά φορτώστε την πρόταση.";
const char *const kMismatchCaption = "Ενημέρωση";
const char *const kSaveFailed = "Η πρόταση δεν αποθηκεύτηκε.\n%1";
const char *const kLoadFailed = "Η πρόταση δεν φορτώθηκε.\n%1";

QString Cell(const QStringList &row, int column)
{
    return row.value(column);
}

int GridProposalColumn(const QList<QStringList> &grid)
{
    return ProposalColumn(grid.isEmpty() ? kAnalysisColumns : int(grid.first().size()));
}

// The sister program's copy is a convenience for it: a missing folder means no copy, and a copy
// that fails leaves our own file, which the user asked for, as it is.
void CopyToDrumlane(const QString &fileName)
{
    const QString drumlane =
        TRegIniFile(QStringLiteral("Software\\Tavrolin\\Directories"))
            .ReadString(QStringLiteral("Options"), QStringLiteral("Drumlane"), QString());
    if (drumlane.trimmed().isEmpty())
        return;
    const QString dys = JoinPath(drumlane, QStringLiteral("Dys"));
    if (!QFileInfo(dys).isDir())
        return;
    const QString target = JoinPath(dys, QFileInfo(fileName).fileName());
    QFile::remove(target);
    QFile::copy(fileName, target);
}

// The odds cell of a result sign: "1", "2", and the Latin or Greek X; -1 for any other sign.
int OddsColumnOf(const QString &resultSign)
{
    const QChar first = resultSign.at(0);
    if (first == QLatin1Char('1'))
        return AnOdd1;
    if (first == QLatin1Char('2'))
        return AnOdd1 + 2;
    if (first == QLatin1Char('X') || first == QChar(0x03A7))
        return AnOdd1 + 1;
    return -1;
}

// Puts the sign into every row of the code and counts them (EConvertError for a hit whose odds
// are no number).
void ApplyLine(const TProposalLine &line, int proposalColumn, QList<QStringList> &grid, TProposalScore &score)
{
    const QString code = line.code.trimmed();
    for (qsizetype row = 1; row < grid.size(); ++row) {
        QStringList &cells = grid[row];
        if (Cell(cells, AnOpapCode).trimmed() != code)
            continue;
        if (cells.size() <= proposalColumn)
            cells.resize(proposalColumn + 1);
        cells[proposalColumn] = line.sign;
        const QString proposal = line.sign.trimmed();
        const QString result = Cell(cells, AnSign).trimmed();
        if (!result.isEmpty() && proposal == result) {
            ++score.Hits;
            const int oddsColumn = OddsColumnOf(result);
            if (oddsColumn >= 0)
                score.OddsSum += StrToFloat(Cell(cells, oddsColumn));
        }
        if (!result.isEmpty() && !proposal.isEmpty())
            ++score.Played;
        if (!result.isEmpty())
            ++score.Matches;
    }
}

} // namespace

QString ProposalDialogFolder()
{
    const QString folder = ProposalFolder();
    EnsureFolder(folder);
    return folder;
}

bool SaveProposal(const QString &fileName, const QList<QStringList> &grid, const QString &kupFileName)
{
    const int proposalColumn = GridProposalColumn(grid);
    TProposalFile proposal;
    proposal.couponNumber = CouponNumberOf(kupFileName);
    for (qsizetype row = 1; row < grid.size(); ++row) {
        const QString code = Cell(grid[row], AnOpapCode);
        const QString sign = Cell(grid[row], proposalColumn).trimmed();
        if (!sign.isEmpty() && !code.trimmed().isEmpty())
            proposal.lines.append({code, sign, {}});
    }
    try {
        WriteProposalFile(fileName, proposal);
    } catch (const EInOutError &error) {
        MessageDlg(QString::fromUtf8(kSaveFailed).arg(error.Message()), mtError, {mbOK});
        return false;
    }
    CopyToDrumlane(fileName);
    ShowMessage(QString::fromUtf8(kSaved));
    return true;
}

QString ProposalScoreSummary(const TProposalScore &score)
{
    return QStringLiteral("Αγώνες :%1  Επιτυχίες %2 από %3 Αποδοση :%4")
        .arg(score.Matches)
        .arg(score.Hits)
        .arg(score.Played)
        .arg(Format(QStringLiteral("%.2f"), {score.OddsSum}));
}

bool LoadProposal(const QString &fileName, QList<QStringList> &grid, const QString &kupFileName)
{
    QList<QStringList> loaded = grid;
    TProposalScore score;
    try {
        const TProposalFile proposal = ReadProposalFile(fileName);
        if (FindCouponFile(KouponiaFolder(), proposal.couponNumber) != kupFileName) {
            ApplicationMessageBox(QString::fromUtf8(kMismatch).arg(proposal.couponNumber),
                                  QString::fromUtf8(kMismatchCaption), MB_OK);
            return false;
        }
        const int proposalColumn = GridProposalColumn(grid);
        for (const TProposalLine &line : proposal.lines)
            ApplyLine(line, proposalColumn, loaded, score);
    } catch (const Exception &error) {
        MessageDlg(QString::fromUtf8(kLoadFailed).arg(error.Message()), mtError, {mbOK});
        return false;
    }
    grid = loaded;
    ShowMessage(ProposalScoreSummary(score));
    return true;
}

} // namespace tav::coupons
