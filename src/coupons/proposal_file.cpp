#include "coupons/proposal_file.h"

#include "platform/core/paths.h"
#include "platform/core/text_file.h"

#include <QDir>

namespace tav::coupons {

namespace {

const char *const kSystemLine = "#3 ΣΥΣΤΗΜΑ";
const char *const kHitsLine = "#3 ΕΠΙΤΥΧΙΕΣ";

} // namespace

QString ProposalFolder()
{
    return ProgramSubfolder(QStringLiteral("PROTASEIS"));
}

QString CouponNumberOf(const QString &kupFileName)
{
    const qsizetype underscore = kupFileName.indexOf('_');
    return underscore < 0 ? QString() : kupFileName.left(underscore);
}

void WriteProposalFile(const QString &path, const TProposalFile &proposal)
{
    QStringList lines{proposal.couponNumber};
    for (const TProposalLine &line : proposal.lines)
        lines.append((QStringList{line.code, line.sign} + line.extra).join(','));
    lines.append(QString::fromUtf8(kSystemLine));
    lines.append(QString::fromUtf8(kHitsLine));
    WriteTextLines(path, lines);
}

TProposalFile ReadProposalFile(const QString &path)
{
    const QStringList lines = ReadTextLines(path);
    TProposalFile proposal;
    if (lines.isEmpty())
        return proposal;
    proposal.couponNumber = lines.first();
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const QString &text = lines[index];
        if (text.contains('#') || text.isEmpty())
            continue;
        QStringList fields = text.split(',');
        TProposalLine line;
        line.code = fields.takeFirst();
        if (!fields.isEmpty())
            line.sign = fields.takeFirst();
        line.extra = fields;
        proposal.lines.append(line);
    }
    return proposal;
}

QString FindCouponFile(const QString &folder, const QString &couponNumber)
{
    const QStringList names = QDir(folder).entryList({couponNumber + QStringLiteral("_*.kup")},
                                                     QDir::Files | QDir::Hidden, QDir::Name);
    return names.value(0);
}

} // namespace tav::coupons
