#include "couponstats/final_score_update.h"

#include "coupons/proposal_file.h"
#include "couponstats/page_columns.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/message_service.h"
#include "platform/db/database.h"
#include "platform/db/outside_database.h"
#include "platform/db/sqlite_statement.h"

#include <QVariant>

namespace tav::couponstats {

namespace {

const int kHomeGoals = 42;
const int kAwayGoals = 43;
const int kHalfTimeHome = 44;

const char *const kNoKey = "Το όνομα κουπονιού «%1» δεν δίνει αριθμό κουπονιού: η ενημέρωση των "
                           "αποτελεσμάτων δεν έγινε.";
const char *const kBadRow = "Η γραμμή %1 (κωδικός «%2») δεν έχει ακέραιο %3: η ενημέρωση των "
                            "αποτελεσμάτων δεν έγινε.";
const char *const kFailed = "Η ενημέρωση των αποτελεσμάτων στη βάση %1 δεν έγινε και οι εγγραφές έμειναν "
                            "ως ήταν.\n%2";

// One row with a result, its values read.
struct TScoreRow
{
    int code = 0;
    QString sign;
    int home = 0;
    int away = 0;
    QVariant halfTime; // null when the cell is empty
};

struct TTarget
{
    QString alias;
    QStringList tables;
};

TTarget TargetOf(TScoreUpdateTarget target)
{
    if (target == TScoreUpdateTarget::Points)
        return {QStringLiteral("AccAnalKoup"), {QStringLiteral("Anal_va_Koup")}};
    QStringList tables;
    for (int n : {0, 3, 4, 5, 6})
        tables.append(QStringLiteral("Anal_va_koup%1").arg(n));
    return {QStringLiteral("AccOver_Under"), tables};
}

// Reads the rows with a result; false (after the message) when one holds no whole number.
bool ReadRows(TScoreUpdateTarget target, const TPageRows &rows, QList<TScoreRow> &scores)
{
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList &row = rows[r];
        TScoreRow score;
        score.sign = row.value(kSignColumn).trimmed();
        if (score.sign.isEmpty())
            continue;
        const std::pair<int *, const char *> numbers[] = {
            {&score.code, "κωδικό"}, {&score.home, "γκολ γηπεδούχου"}, {&score.away, "γκολ φιλοξενούμενης"}};
        const int columns[] = {kCodeColumn, kHomeGoals, kAwayGoals};
        QString wrong;
        for (int i = 0; i < 3 && wrong.isEmpty(); ++i) {
            if (!TryStrToInt(row.value(columns[i]).trimmed(), *numbers[i].first))
                wrong = QString::fromUtf8(numbers[i].second);
        }
        const QString halfTime = row.value(kHalfTimeHome).trimmed();
        int halfTimeGoals = 0;
        if (target == TScoreUpdateTarget::OverUnder && !halfTime.isEmpty()) {
            if (TryStrToInt(halfTime, halfTimeGoals))
                score.halfTime = halfTimeGoals;
            else if (wrong.isEmpty())
                wrong = QString::fromUtf8("γκολ ημιχρόνου");
        }
        if (!wrong.isEmpty()) {
            MessageDlg(QString::fromUtf8(kBadRow).arg(r + 1).arg(row.value(kCodeColumn), wrong), mtError,
                       {mbOK});
            return false;
        }
        scores.append(score);
    }
    return true;
}

void UpdateTable(TDatabase &database, TScoreUpdateTarget target, const QString &table, qint64 key,
                 const QList<TScoreRow> &scores)
{
    const QString points = QStringLiteral("UPDATE %1 SET DENDF = ?3, Dendg = ?4, Dsim = ?5 "
                                          "WHERE DArKup = ?1 AND Dcode = ?2");
    const QString overUnder =
        QStringLiteral("UPDATE %1 SET DGgip = ?3, DGgip0 = ?3, DGfil = ?4, DGfil0 = ?4, "
                       "Dsim = ?5, DSg = ?6, DAhm = COALESCE(?7, DAhm) "
                       "WHERE DArKup = ?1 AND Dcode = ?2");
    SqliteStatement update(database.Handle(),
                           (target == TScoreUpdateTarget::Points ? points : overUnder).arg(table));
    for (const TScoreRow &score : scores) {
        update.Reset();
        update.ClearBindings();
        QVariantList values{key, score.code, score.home, score.away, score.sign};
        if (target == TScoreUpdateTarget::OverUnder)
            values << score.home + score.away << score.halfTime;
        update.BindAll(values);
        update.Execute();
    }
}

} // namespace

bool UpdateFinalScores(TScoreUpdateTarget target, const QString &couponName, const TPageRows &rows)
{
    bool numbered = false;
    const qint64 key = coupons::CouponNumberOf(couponName).trimmed().toLongLong(&numbered);
    if (!numbered) {
        MessageDlg(QString::fromUtf8(kNoKey).arg(couponName), mtError, {mbOK});
        return false;
    }
    QList<TScoreRow> scores;
    if (!ReadRows(target, rows, scores))
        return false;
    const TTarget where = TargetOf(target);
    try {
        TDatabase database;
        OpenOutsideDatabase(database, where.alias, where.tables);
        TransactionGuard transaction(database);
        for (const QString &table : where.tables)
            UpdateTable(database, target, table, key, scores);
        transaction.Commit();
    } catch (const Exception &error) {
        MessageDlg(QString::fromUtf8(kFailed).arg(where.alias, error.Message()), mtError, {mbOK});
        return false;
    }
    return true;
}

} // namespace tav::couponstats
