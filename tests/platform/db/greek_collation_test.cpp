#include "platform/db/db_errors.h"
#include "platform/db/greek_collation.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <random>

namespace {

// An in-memory database with the collation registered, closed at the end of the test.
class CollationDb
{
public:
    CollationDb()
    {
        EXPECT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK);
        RegisterGreekCollation(db_);
    }
    ~CollationDb() { sqlite3_close(db_); }
    sqlite3 *Handle() const { return db_; }

    void Exec(const char *sql) const
    {
        char *error = nullptr;
        ASSERT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, &error), SQLITE_OK) << error;
    }

    // The first column of every row, with each ? bound to the next text.
    QStringList Column(const char *sql, const QStringList &texts = {}) const
    {
        sqlite3_stmt *statement = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(db_);
        for (int i = 0; i < texts.size(); ++i) {
            const QByteArray utf8 = texts.at(i).toUtf8();
            sqlite3_bind_text(statement, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        QStringList rows;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, 0));
            rows.append(text ? QString::fromUtf8(text) : QStringLiteral("<null>"));
        }
        sqlite3_finalize(statement);
        return rows;
    }

    // The plan's details, to see which index a statement uses.
    QString QueryPlan(const char *sql) const
    {
        sqlite3_stmt *statement = nullptr;
        const QByteArray explain = QByteArray("EXPLAIN QUERY PLAN ") + sql;
        EXPECT_EQ(sqlite3_prepare_v2(db_, explain.constData(), -1, &statement, nullptr), SQLITE_OK);
        QString plan;
        while (sqlite3_step(statement) == SQLITE_ROW)
            plan +=
                QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 3))) + '\n';
        sqlite3_finalize(statement);
        return plan;
    }

    void InsertNames(const QStringList &names) const
    {
        for (const QString &name : names)
            Column("INSERT INTO teams(name) VALUES (?)", {name});
    }

private:
    sqlite3 *db_ = nullptr;
};

// Every text in its expected place: Latin before Greek, Greek in alphabet order, case and
// accents ignored first, then the unfolded text deciding ties.
const QStringList SortedTexts = {
    "",       " Z",           "123",   "Aris",       "aris",       "arta",
    "Árta",   "Zeta",         "Αθήνα", "Αθηνα",      "ΑΘΗΝΑ Β",    "Άρης",
    "Άρησ",   "ΑΡΗΣ",         "άρης",  "Βόλος",      "Γιάννινα",   "Ηρακλής",
    "Θύελλα", "Ιωνικός",      "Ξάνθη", "ΟΛΥΜΠΙΑΚΟΣ", "Ολυμπιακός", "ολυμπιακος",
    "ΟΦΗ",    "Παναθηναϊκός", "ΠΑΟ",   "ΠΑΟΚ",       "Παοκ",       "ΠΑΟΚ Θεσσαλονίκης",
    "Σέρρες", "Ωμέγα",
};

} // namespace

TEST(GreekCollation, FoldsCaseAccentsAndFinalSigma)
{
    const struct
    {
        QString text;
        QString folded;
    } cases[] = {
        {"Ολυμπιακός", "ολυμπιακοσ"},
        {"ΟΛΥΜΠΙΑΚΟΣ", "ολυμπιακοσ"},
        {"ολυμπιακος", "ολυμπιακοσ"},
        {"ΆΈΉΊΌΎΏ", "αεηιουω"},
        {"Παναθηναϊκός", "παναθηναικοσ"},
        {"ΐΰΪΫ", "ιυιυ"},
        {QString::fromUtf8("o\xcc\x81\xce\xbf\xcc\x81"), "oο"}, // accents written as separate marks
        {"Café Ñandú", "cafe nandu"},
        {"ΣΟΦΟΣ σοφος", "σοφοσ σοφοσ"},
        {"12:30 - AB", "12:30 - ab"},
        {"각", "각"}, // a syllable that decomposes into letters, not accents
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FoldForCompare(c.text), c.folded) << c.text.toStdString();
}

TEST(GreekCollation, OrdersLatinThenGreekWithCaseAndAccentTiesBrokenByTheText)
{
    QStringList shuffled = SortedTexts;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(20050312));
    std::sort(shuffled.begin(), shuffled.end(),
              [](const QString &a, const QString &b) { return CompareCaseInsensitive(a, b) < 0; });
    EXPECT_EQ(shuffled, SortedTexts);
}

TEST(GreekCollation, IsATotalOrderEqualOnlyForTheSameText)
{
    for (const QString &a : SortedTexts)
        for (const QString &b : SortedTexts) {
            const int ab = CompareCaseInsensitive(a, b);
            EXPECT_EQ(ab, -CompareCaseInsensitive(b, a)) << a.toStdString() << " / " << b.toStdString();
            EXPECT_EQ(ab == 0, a == b) << a.toStdString() << " / " << b.toStdString();
        }
    EXPECT_EQ(CompareCaseInsensitive("Ολυμπιακός", "ΟΛΥΜΠΙΑΚΟΣ"), 1);
    EXPECT_EQ(FoldForCompare("Ολυμπιακός"), FoldForCompare("ΟΛΥΜΠΙΑΚΟΣ"));
}

TEST(GreekCollation, SqliteOrdersByTheSameRules)
{
    CollationDb db;
    db.Exec("CREATE TABLE teams(name TEXT)");
    QStringList shuffled = SortedTexts;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    db.InsertNames(shuffled);
    EXPECT_EQ(db.Column("SELECT name FROM teams ORDER BY name COLLATE GREEK_CI"), SortedTexts);
    EXPECT_EQ(db.Column("SELECT name FROM teams ORDER BY name COLLATE GREEK_CI DESC").first(),
              SortedTexts.last());
}

TEST(GreekCollation, FoldFunctionFoldsTextAndPassesOtherValues)
{
    CollationDb db;
    EXPECT_EQ(db.Column("SELECT greek_fold(?)", {"ΠΑΝΑΘΗΝΑΪΚΌΣ"}), QStringList{"παναθηναικοσ"});
    EXPECT_EQ(db.Column("SELECT typeof(greek_fold(12)) || ':' || greek_fold(12)"), QStringList{"integer:12"});
    EXPECT_EQ(db.Column("SELECT greek_fold(NULL)"), QStringList{"<null>"});
}

TEST(GreekCollation, IndexesFindAccentedNamesWithoutCase)
{
    CollationDb db;
    db.Exec("CREATE TABLE teams(name TEXT)");
    db.Exec("CREATE INDEX teams_ci ON teams(name COLLATE GREEK_CI)");
    db.Exec("CREATE INDEX teams_fold ON teams(greek_fold(name))");
    db.InsertNames({"Άρης", "Ολυμπιακός", "Παναθηναϊκός", "ΟΦΗ", "Ξάνθη"});

    // A nearest-key search walks the collated index from the typed text on.
    const char *nearest =
        "SELECT name FROM teams WHERE name COLLATE GREEK_CI >= ? ORDER BY name COLLATE GREEK_CI LIMIT 1";
    EXPECT_EQ(db.Column(nearest, {"ολυμ"}), QStringList{"Ολυμπιακός"});
    EXPECT_EQ(db.Column(nearest, {"ΠΑΝΑΘΗΝΑΙΚΟΣ"}), QStringList{"Παναθηναϊκός"});
    EXPECT_TRUE(db.QueryPlan(nearest).contains("INDEX teams_ci")) << db.QueryPlan(nearest).toStdString();

    // An exact search without case compares folded texts through the expression index.
    const char *exact = "SELECT name FROM teams WHERE greek_fold(name) = greek_fold(?)";
    EXPECT_EQ(db.Column(exact, {"ΑΡΗΣ"}), QStringList{"Άρης"});
    EXPECT_EQ(db.Column(exact, {"ολυμπιακος"}), QStringList{"Ολυμπιακός"});
    EXPECT_TRUE(db.QueryPlan(exact).contains("INDEX teams_fold")) << db.QueryPlan(exact).toStdString();
}

TEST(GreekCollation, RegistrationFailureRaisesAnEngineError)
{
    CollationDb db;
    db.Exec("CREATE TABLE t(name TEXT); INSERT INTO t VALUES ('a'), ('b')");
    // SQLite refuses to replace a collation while a statement that may use it is running.
    sqlite3_stmt *running = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db.Handle(), "SELECT name FROM t ORDER BY name COLLATE GREEK_CI", -1,
                                 &running, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(running), SQLITE_ROW);
    try {
        RegisterGreekCollation(db.Handle());
        ADD_FAILURE() << "no error raised";
    } catch (const EDBEngineError &error) {
        EXPECT_EQ(error.ErrorCode(), SQLITE_BUSY);
        EXPECT_TRUE(error.Message().contains("GREEK_CI"));
    }
    sqlite3_finalize(running);
}
