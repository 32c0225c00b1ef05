#include "db_fixture.h"

#include "platform/db/db_errors.h"
#include "platform/db/filter_expression.h"
#include "platform/db/greek_collation.h"
#include "platform/db/sqlite_statement.h"

#include <QList>
#include <QMap>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

struct Match
{
    int id;
    QVariant diorgNo, agvnistikh, telGGoals, date, time, ap1, name, played, homeTeam, kickoff;
};

const QVariant Null;

// A few matches with the empty values, accents and cases the filters must tell apart.
const QList<Match> Matches = {
    {1, 5, 1, 2, "2005-03-12", "15:00:00", 1.5, "Ολυμπιακός", 1, "Άρης", "2005-03-12 15:00:00"},
    {2, 5, 2, Null, "2005-03-19", "17:30:00", 2.25, "ΟΛΥΜΠΙΑΚΟΣ Β", 0, "ΟΦΗ", "2005-03-19 17:30:00"},
    {3, 7, 1, 0, "2005-03-12", Null, Null, "Παναθηναϊκός", 1, Null, Null},
    {4, 7, 3, Null, Null, Null, 3.0, "", 0, "", Null},
    {5, 9, 1, 1, "2006-01-01", "12:30:00", 1.8, Null, Null, "Ξάνθη", Null},
    {6, 9, 2, 3, "2004-12-31", Null, 2.0, "AB", 1, Null, Null},
    {7, 9, 3, 2, "2005-03-12", Null, Null, "ABC", 0, Null, Null},
    {8, 9, 2, 0, "2005-03-13", Null, Null, "It's", 0, Null, Null},
};

const QMap<QString, FilterField> Fields = {
    {"diorgno", {"DiorgNo", TFieldType::ftInteger}},
    {"agvnistikh", {"Agvnistikh", TFieldType::ftSmallint}},
    {"telggoals", {"TelGGoals", TFieldType::ftSmallint}},
    {"date", {"Date", TFieldType::ftDate}},
    {"time", {"Time", TFieldType::ftTime}},
    {"ap1", {"AP1", TFieldType::ftFloat}},
    {"name", {"Name", TFieldType::ftString}},
    {"played", {"Played", TFieldType::ftBoolean}},
    {"home team", {"Home Team", TFieldType::ftString}},
    {"kickoff", {"Kickoff", TFieldType::ftDateTime}},
    {"picture", {"Picture", TFieldType::ftGraphic}},
};

std::optional<FilterField> Resolve(const QString &name)
{
    const auto found = Fields.find(name.toLower());
    return found == Fields.end() ? std::nullopt : std::optional<FilterField>(*found);
}

void Bind(sqlite3_stmt *statement, int index, const QVariant &value)
{
    if (value.isNull()) {
        sqlite3_bind_null(statement, index);
    } else if (value.typeId() == QMetaType::Double) {
        sqlite3_bind_double(statement, index, value.toDouble());
    } else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
        sqlite3_bind_int64(statement, index, value.toLongLong());
    } else {
        const QByteArray utf8 = value.toString().toUtf8();
        sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
}

class FilterExpression : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK);
        RegisterGreekCollation(db_);
        ASSERT_EQ(
            sqlite3_exec(db_,
                         "CREATE TABLE Agvnes(id INTEGER PRIMARY KEY, DiorgNo INTEGER, Agvnistikh INTEGER, "
                         "TelGGoals INTEGER, \"Date\" TEXT, \"Time\" TEXT, AP1 REAL, Name TEXT, Played "
                         "INTEGER, \"Home Team\" TEXT, Kickoff TEXT, Picture BLOB)",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
        for (const Match &m : Matches)
            Run("INSERT INTO Agvnes(id, DiorgNo, Agvnistikh, TelGGoals, \"Date\", \"Time\", AP1, Name, "
                "Played, "
                "\"Home Team\", Kickoff) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                {m.id, m.diorgNo, m.agvnistikh, m.telGGoals, m.date, m.time, m.ap1, m.name, m.played,
                 m.homeTeam, m.kickoff});
    }
    void TearDown() override { sqlite3_close(db_); }

    // The first column of every row of the statement with the values bound in order.
    QList<int> Run(const QString &sql, const QVariantList &values)
    {
        sqlite3_stmt *statement = nullptr;
        const int rc = sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &statement, nullptr);
        EXPECT_EQ(rc, SQLITE_OK) << sqlite3_errmsg(db_) << " in " << sql.toStdString();
        if (rc != SQLITE_OK)
            return {};
        EXPECT_EQ(sqlite3_bind_parameter_count(statement), values.size()) << sql.toStdString();
        for (int i = 0; i < values.size(); ++i)
            Bind(statement, i + 1, values.at(i));
        QList<int> rows;
        while (sqlite3_step(statement) == SQLITE_ROW)
            rows.append(sqlite3_column_int(statement, 0));
        sqlite3_finalize(statement);
        return rows;
    }

    QList<int> Filtered(const QString &filterText, TFilterOptions options = {})
    {
        const CompiledFilter filter = CompileFilter(filterText, Resolve, options);
        return Run("SELECT id FROM Agvnes WHERE " + filter.whereSql + " ORDER BY id", filter.values);
    }

    sqlite3 *db_ = nullptr;
};

const TFilterOptions CaseInsensitive{true, false};
const TFilterOptions WholeValues{false, true};

} // namespace

TEST_F(FilterExpression, SelectsTheRowsTheFilterDescribes)
{
    const struct
    {
        QString filter;
        TFilterOptions options;
        QList<int> ids;
    } cases[] = {
        {"DiorgNo = 5", {}, {1, 2}},
        {"DiorgNo=5", {}, {1, 2}},
        {"dIoRgNo = 9 AnD agvnistikh = 2", {}, {6, 8}},
        {"(DiorgNo = 7) AND (Agvnistikh <= 3) AND (TelGGoals = null)", {}, {4}},
        {"TelGGoals=Null", {}, {2, 4}},
        {"TelGGoals <> NULL", {}, {1, 3, 5, 6, 7, 8}},
        {"TelGGoals>=0", {}, {1, 3, 5, 6, 7, 8}},
        {"TelGGoals < 1", {}, {3, 8}},
        {"DiorgNo = -1", {}, {}},
        {"((DiorgNo = 5) or(DiorgNo = 7))", {}, {1, 2, 3, 4}},
        {"DiorgNo = 5 or DiorgNo = 7 and Agvnistikh = 3", {}, {1, 2, 4}},
        {"(DiorgNo = 5 or DiorgNo = 7) and Agvnistikh = 3", {}, {4}},
        {"DiorgNo = 5 and Agvnistikh = 2 or DiorgNo = 9 and Agvnistikh = 3 or TelGGoals = 0",
         {},
         {2, 3, 7, 8}},
        {"(DiorgNo = 5 or DiorgNo = 7) or (DiorgNo = 9 and TelGGoals = 0)", {}, {1, 2, 3, 4, 8}},
        {"DiorgNo = 9 and (Agvnistikh = 1 or Agvnistikh = 3) and TelGGoals > 1", {}, {7}},
        {"not DiorgNo = 9 and not DiorgNo = 5 or Agvnistikh = 3 and DiorgNo = 9", {}, {3, 4, 7}},
        {"not TelGGoals = 2", {}, {2, 3, 4, 5, 6, 8}},
        {"NOT (DiorgNo = 5 OR DiorgNo = 7)", {}, {5, 6, 7, 8}},
        {"not DiorgNo = 9 and Agvnistikh = 1", {}, {1, 3}},
        {"not not DiorgNo = 5", {}, {1, 2}},
        {"Date = '12/03/2005'", {}, {1, 3, 7}},
        {"(Date >= '13/03/2005') and (Date <= '31/12/2005')", {}, {2, 8}},
        {"Date < '1/1/2005'", {}, {6}},
        {"Date = null", {}, {4}},
        {"Time = '15:00'", {}, {1}},
        {"Time > '13:00:00'", {}, {1, 2}},
        {"Kickoff = '19/03/2005 17:30'", {}, {2}},
        {"Kickoff < '19/03/2005'", {}, {1}},
        {"AP1 > 2", {}, {2, 4}},
        {"AP1 = 1.5", {}, {1}},
        {"AP1 = '2.25'", {}, {2}},
        {"AP1 = 3", {}, {4}},
        {"Played = TRUE", {}, {1, 3, 6}},
        {"played = false", {}, {2, 4, 7, 8}},
        {"Played = 'True'", {}, {1, 3, 6}},
        {"Played <> true", {}, {2, 4, 7, 8}},
        {"Name = 'AB'", {}, {6}},
        {"Name = 'AB*'", {}, {6, 7}},
        {"Name = 'AB*'", WholeValues, {}},
        {"Name <> 'AB*'", {}, {1, 2, 3, 4, 8}},
        {"Name = 'ολυμπιακος'", {}, {}},
        {"Name = 'ολυμπιακος'", CaseInsensitive, {1}},
        {"Name = 'ΟΛΥΜΠΙΑΚΌΣ*'", CaseInsensitive, {1, 2}},
        {"Name = 'ολυμπιακος*'", {}, {}},
        {"Name = 'ab'", CaseInsensitive, {6}},
        {"Name < 'b'", CaseInsensitive, {4, 6, 7}},
        {"Name = 'It''s'", {}, {8}},
        {"Name = null", {}, {4, 5}},
        {"Name = ''", {}, {4, 5}},
        {"Name > ''", {}, {1, 2, 3, 6, 7, 8}},
        {"Name <> null", {}, {1, 2, 3, 6, 7, 8}},
        {"Name = '*'", {}, {1, 2, 3, 4, 6, 7, 8}},
        {"[Home Team] = 'ΟΦΗ'", {}, {2}},
        {"\"home team\" = 'άρης'", CaseInsensitive, {1}},
        {"[Home Team]<>null", {}, {1, 2, 5}},
        {"TelGGoals = Agvnistikh", {}, {5}},
        {"TelGGoals > Agvnistikh and DiorgNo=9", {}, {6}},
        {"   ", {}, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Filtered(c.filter, c.options), c.ids) << c.filter.toStdString();
}

TEST_F(FilterExpression, BadFiltersRaiseAnErrorNamingTheFilter)
{
    const struct
    {
        QString filter;
        QString detail;
    } cases[] = {
        {"DiorgNo =", "αναμενόταν τιμή στη θέση 10"},
        {"DiorgNo 5", "αναμενόταν τελεστής σύγκρισης στη θέση 9"},
        {"DiorgNo == 5", "αναμενόταν τιμή στη θέση 10"},
        {"= 5", "αναμενόταν όνομα πεδίου στη θέση 1"},
        {"5 = DiorgNo", "αναμενόταν όνομα πεδίου στη θέση 1"},
        {"DiorgNo = 5 and", "αναμενόταν όνομα πεδίου στη θέση 16"},
        {"DiorgNo = 5 and or DiorgNo = 6", "αναμενόταν όνομα πεδίου στη θέση 17"},
        {"(DiorgNo = 5", "αναμενόταν \")\" στη θέση 13"},
        {"DiorgNo = 5)", "περιττό κείμενο στη θέση 12"},
        {"DiorgNo = 5 # 3", "περιττό κείμενο στη θέση 13"},
        {"Name = 'abc", "ανοιχτά εισαγωγικά στη θέση 8"},
        {"[Home Team = 'x'", "ανοιχτά εισαγωγικά στη θέση 1"},
        {"Unknown = 5", "άγνωστο πεδίο Unknown"},
        {"DiorgNo = Missing", "άγνωστο πεδίο Missing"},
        {"TelGGoals < null", "το null συγκρίνεται μόνο με = και <>"},
        {"DiorgNo = 'abc'", "η τιμή abc δεν ταιριάζει στο πεδίο DiorgNo"},
        {"DiorgNo = 1.5", "η τιμή 1.5 δεν ταιριάζει στο πεδίο DiorgNo"},
        {"Date = '31/02/2005'", "η τιμή 31/02/2005 δεν ταιριάζει στο πεδίο Date"},
        {"Date = 5", "η τιμή 5 δεν ταιριάζει στο πεδίο Date"},
        {"Time = '25:00'", "η τιμή 25:00 δεν ταιριάζει στο πεδίο Time"},
        {"AP1 = 'x'", "η τιμή x δεν ταιριάζει στο πεδίο AP1"},
        {"Played = 'maybe'", "η τιμή maybe δεν ταιριάζει στο πεδίο Played"},
        {"DiorgNo = TRUE", "η τιμή TRUE δεν ταιριάζει στο πεδίο DiorgNo"},
        {"Picture = 'x'", "η τιμή x δεν ταιριάζει στο πεδίο Picture"},
    };
    for (const auto &c : cases) {
        try {
            CompileFilter(c.filter, Resolve);
            ADD_FAILURE() << "no error for " << c.filter.toStdString();
        } catch (const EDatabaseError &error) {
            EXPECT_TRUE(error.Message().startsWith("Σφάλμα στο φίλτρο \"" + c.filter + "\": "))
                << error.Message().toStdString();
            EXPECT_TRUE(error.Message().contains(c.detail)) << error.Message().toStdString();
        }
    }
}

TEST(FilterParse, NestingDeeperThanTwentyLevelsIsRefusedWithTheFilterError)
{
    const QString comparison = "DiorgNo = 5";
    const struct
    {
        QString filter;
        QString detail;
    } cases[] = {
        // Texts that once ran the parser out of stack: thousands of parentheses or "not"s.
        {QString(6484, '(') + comparison + QString(6484, ')'), "στη θέση 21"},
        {QString("not ").repeated(17490) + comparison, "στη θέση 81"},
        {QString("NOT (").repeated(3000) + comparison + QString(3000, ')'), "στη θέση 51"},
        {QString("not (DiorgNo = 1 or ").repeated(3000) + comparison + QString(3000, ')'), "στη θέση 201"},
        // One level past the limit, wherever it is reached.
        {QString(21, '(') + comparison + QString(21, ')'), "στη θέση 21"},
        {"DiorgNo = 1 or " + QString("not ").repeated(21) + comparison, "στη θέση 96"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.filter.left(40).toStdString());
        try {
            ParseFilter(c.filter);
            ADD_FAILURE() << "no error";
        } catch (const EDatabaseError &error) {
            // A long text is quoted by its beginning only.
            const QString quoted = c.filter.size() > 200 ? c.filter.left(200) + "…" : c.filter;
            EXPECT_TRUE(error.Message().startsWith("Σφάλμα στο φίλτρο \"" + quoted + "\": "))
                << error.Message().left(300).toStdString();
            EXPECT_TRUE(
                error.Message().endsWith("περισσότερα από 20 επίπεδα παρενθέσεων και not " + c.detail))
                << error.Message().right(100).toStdString();
        }
    }
    // Twenty levels still parse.
    EXPECT_EQ(ParseFilter(QString(20, '(') + comparison + QString(20, ')')).fieldName, "DiorgNo");
    EXPECT_EQ(ParseFilter(QString("not ").repeated(20) + comparison).kind, TFilterNode::Kind::Not);
}

TEST_F(FilterExpression, ValuesAreBoundNeverPastedIntoTheSql)
{
    const QString hostile = "Name = 'x'' OR 1=1 --' or DiorgNo = 5";
    const CompiledFilter filter = CompileFilter(hostile, Resolve, CaseInsensitive);
    EXPECT_FALSE(filter.whereSql.contains("1=1"));
    EXPECT_FALSE(filter.whereSql.contains('5'));
    EXPECT_EQ(filter.values, QVariantList({"x' OR 1=1 --", qlonglong(5)}));
    EXPECT_EQ(Filtered(hostile), QList<int>({1, 2}));
}

TEST(FilterParse, GroupsNotThenAndThenOr)
{
    const TFilterNode root = ParseFilter("a = 1 or not b = 'x' and [c d] <> null");
    ASSERT_EQ(root.kind, TFilterNode::Kind::Or);
    const TFilterNode &left = root.operands.at(0);
    EXPECT_EQ(left.kind, TFilterNode::Kind::Comparison);
    EXPECT_EQ(left.fieldName, "a");
    EXPECT_EQ(left.value.kind, TFilterOperand::Kind::Number);
    const TFilterNode &right = root.operands.at(1);
    ASSERT_EQ(right.kind, TFilterNode::Kind::And);
    ASSERT_EQ(right.operands.at(0).kind, TFilterNode::Kind::Not);
    const TFilterNode &negated = right.operands.at(0).operands.at(0);
    EXPECT_EQ(negated.fieldName, "b");
    EXPECT_EQ(negated.value.kind, TFilterOperand::Kind::String);
    EXPECT_EQ(negated.value.text, "x");
    const TFilterNode &last = right.operands.at(1);
    EXPECT_EQ(last.fieldName, "c d");
    EXPECT_EQ(last.op, TFilterOperator::NotEqual);
    EXPECT_EQ(last.value.kind, TFilterOperand::Kind::Null);
}

TEST(FilterParse, RunsOfOneJunctionAreOneNode)
{
    const auto fields = [](const TFilterNode &node) {
        QStringList names;
        for (const TFilterNode &operand : node.operands)
            names.append(operand.kind == TFilterNode::Kind::Comparison ? operand.fieldName
                                                                       : QStringLiteral("*"));
        return names;
    };
    const TFilterNode chain = ParseFilter("(a = 1) or (b = 2) OR c = 3 or ((d = 4 or e = 5)) or f = 6");
    ASSERT_EQ(chain.kind, TFilterNode::Kind::Or);
    EXPECT_EQ(fields(chain), QStringList({"a", "b", "c", "d", "e", "f"}));

    // a or b and c and d or e: the "and" run is one operand of the "or" run.
    const TFilterNode mixed = ParseFilter("a = 1 or b = 2 and c = 3 and d = 4 or e = 5");
    ASSERT_EQ(mixed.kind, TFilterNode::Kind::Or);
    EXPECT_EQ(fields(mixed), QStringList({"a", "*", "e"}));
    ASSERT_EQ(mixed.operands.at(1).kind, TFilterNode::Kind::And);
    EXPECT_EQ(fields(mixed.operands.at(1)), QStringList({"b", "c", "d"}));

    // A parenthesised run of the other junction stays a node of its own.
    const TFilterNode grouped = ParseFilter("(a = 1 or b = 2) and c = 3");
    ASSERT_EQ(grouped.kind, TFilterNode::Kind::And);
    EXPECT_EQ(fields(grouped), QStringList({"*", "c"}));
    EXPECT_EQ(fields(grouped.operands.at(0)), QStringList({"a", "b"}));

    EXPECT_EQ(ParseFilter("(a = 1)").kind, TFilterNode::Kind::Comparison);
}

TEST_F(FilterExpression, RunsOfOneJunctionAreWrittenWithoutNesting)
{
    const CompiledFilter chain = CompileFilter("DiorgNo = 5 or DiorgNo = 7 or Agvnistikh = 3", Resolve);
    EXPECT_EQ(chain.whereSql, "(\"DiorgNo\" = ? OR \"DiorgNo\" = ? OR \"Agvnistikh\" = ?)");
    EXPECT_EQ(chain.values, QVariantList({qlonglong(5), qlonglong(7), qlonglong(3)}));

    const CompiledFilter mixed = CompileFilter(
        "DiorgNo = 5 or DiorgNo = 7 and Agvnistikh = 3 and TelGGoals = null or DiorgNo = 9", Resolve);
    EXPECT_EQ(mixed.whereSql,
              "(\"DiorgNo\" = ? OR (\"DiorgNo\" = ? AND \"Agvnistikh\" = ? AND \"TelGGoals\" IS "
              "NULL) OR \"DiorgNo\" = ?)");
    EXPECT_EQ(Run("SELECT id FROM Agvnes WHERE " + mixed.whereSql + " ORDER BY id", mixed.values),
              QList<int>({1, 2, 4, 5, 6, 7, 8}));
}

TEST_F(FilterExpression, TreesBuiltByCodeMayNestOrLeaveJunctionsEmpty)
{
    // "DiorgNo = 1 or (DiorgNo = 2 or (... or DiorgNo = 1500))", nested one level per term.
    TFilterNode nested;
    nested.fieldName = "DiorgNo";
    nested.value = {TFilterOperand::Kind::Number, "1500"};
    for (int no = 1499; no >= 1; --no) {
        TFilterNode comparison;
        comparison.fieldName = "DiorgNo";
        comparison.value = {TFilterOperand::Kind::Number, QString::number(no)};
        TFilterNode junction;
        junction.kind = TFilterNode::Kind::Or;
        junction.operands.push_back(std::move(comparison));
        junction.operands.push_back(std::move(nested));
        nested = std::move(junction);
    }
    const CompiledFilter filter = CompileFilterTree(nested, "nested", Resolve);
    ASSERT_EQ(filter.values.size(), 1500);
    EXPECT_EQ(filter.values.first(), qlonglong(1));
    EXPECT_EQ(filter.values.last(), qlonglong(1500));
    EXPECT_EQ(Run("SELECT id FROM Agvnes WHERE " + filter.whereSql + " ORDER BY id", filter.values),
              QList<int>({1, 2, 3, 4, 5, 6, 7, 8}));

    TFilterNode none;
    none.kind = TFilterNode::Kind::Or;
    EXPECT_EQ(CompileFilterTree(none, "none", Resolve).whereSql, "0");
    none.kind = TFilterNode::Kind::And;
    EXPECT_EQ(CompileFilterTree(none, "none", Resolve).whereSql, "1");
}

namespace {

// Agvnes with one match for each competition 1..1200: DiorgNo n, matchday n % 38 + 1.
class LongFilterTest : public DbTest
{
protected:
    static constexpr int Competitions = 1200;

    void SetUp() override
    {
        DbTest::SetUp();
        CreateAgvnes();
        TransactionGuard transaction(Db().Handle());
        SqliteStatement insert(Db().Handle(), "INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, "
                                              "Filojenoymenh, Omilos) VALUES (?, ?, 1, 2, 0)");
        for (int no = 1; no <= Competitions; ++no) {
            insert.BindAll({no, no % 38 + 1});
            insert.Execute();
            insert.Reset();
        }
        transaction.Commit();
        agvnes_ = OpenTable("Agvnes", "MainInd");
    }

    // "(DiorgNo op first) junction ... (DiorgNo op last)".
    static QString Run(int first, int last, const char *op, const char *junction)
    {
        QStringList terms;
        for (int no = first; no <= last; ++no)
            terms.append(QStringLiteral("(DiorgNo %1 %2)").arg(QLatin1String(op)).arg(no));
        return terms.join(QLatin1String(junction));
    }

    std::unique_ptr<TTable> agvnes_;
};

} // namespace

TEST_F(LongFilterTest, LongRunsOfOrAndAndFilterARealTable)
{
    const struct
    {
        QString filter;
        int count;
        int firstNo;
        int lastNo;
    } cases[] = {
        {Run(1, 120, "=", " or "), 120, 1, 120},
        {Run(1, 1000, "=", " or "), 1000, 1, 1000},
        {Run(1, 1000, "<>", " and "), 200, 1001, 1200},
        {Run(1, 1000, "<>", " AND ") + " or DiorgNo = 7", 201, 7, 1200},
        // a or b and c: the last two terms bind together before the "or" run takes them.
        {Run(1, 998, "=", " or ") + " or DiorgNo > 1100 and DiorgNo < 1103", 1000, 1, 1102},
        {"(" + Run(1, 999, "=", " or ") + ") and DiorgNo > 990", 9, 991, 999},
        {"not (" + Run(1, 1000, "=", " or ") + ")", 200, 1001, 1200},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.filter.left(60).toStdString());
        agvnes_->SetFilter(c.filter);
        agvnes_->SetFiltered(true);
        EXPECT_EQ(agvnes_->RecordCount(), c.count);
        EXPECT_EQ(agvnes_->FieldByName("DiorgNo").AsInteger(), c.firstNo);
        agvnes_->Last();
        EXPECT_EQ(agvnes_->FieldByName("DiorgNo").AsInteger(), c.lastNo);
        agvnes_->SetFiltered(false);
    }
    // A record posted under a long filter is checked against it.
    agvnes_->SetFilter(Run(1, 1000, "<>", " and "));
    agvnes_->SetFiltered(true);
    AppendRecord(*agvnes_,
                 {{"DiorgNo", 5}, {"Agvnistikh", 1}, {"Ghpedoyxos", 3}, {"Filojenoymenh", 4}, {"Omilos", 0}});
    AppendRecord(
        *agvnes_,
        {{"DiorgNo", 1300}, {"Agvnistikh", 1}, {"Ghpedoyxos", 3}, {"Filojenoymenh", 4}, {"Omilos", 0}});
    EXPECT_EQ(agvnes_->RecordCount(), 201);
}
