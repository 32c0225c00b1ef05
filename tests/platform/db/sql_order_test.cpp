#include "db_fixture.h"

#include "platform/db/query.h"
#include "platform/db/sql_order.h"

namespace {

// The columns of a few tables of the program: which hold text.
std::optional<bool> ProgramColumnIsText(const QString &table, const QString &column)
{
    static const QHash<QString, QHash<QString, bool>> tables{
        {"KATHGORIES", {{"GRNAME", true}, {"KATNO", false}}},
        {"PERIODOS", {{"PERIODOS", true}}},
        {"DIORGANVSEIS", {{"PERIODOS", true}, {"KATNO", false}, {"DNO", false}}},
        {"PEROMADES", {{"RECNO", false}, {"GRNAME", true}, {"DIORNO", false}}},
        {"AGVNES", {{"DATE", false}, {"AGVNISTIKH", false}}},
    };
    const auto found = tables.constFind(table.toUpper());
    if (found == tables.cend() || !found->contains(column.toUpper()))
        return std::nullopt;
    return found->value(column.toUpper());
}

TEST(SqlOrder, TextColumnsOfOrderByTakeTheGreekCollation)
{
    const struct
    {
        const char *sql;
        const char *expected;
    } cases[] = {
        {"Select GrName from Kathgories order by Kathgories.GrName",
         "Select GrName from Kathgories order by Kathgories.GrName COLLATE GREEK_CI"},
        {"Select Periodos from Periodos order by Periodos.Periodos desc",
         "Select Periodos from Periodos order by Periodos.Periodos COLLATE GREEK_CI desc"},
        {"Select GrName from Kathgories, Diorganvseis\nwhere Diorganvseis.Katno=kathgories.katno and\n"
         "diorganvseis.periodos = ?\norder by Kathgories.GrName, KatNo",
         "Select GrName from Kathgories, Diorganvseis\nwhere Diorganvseis.Katno=kathgories.katno and\n"
         "diorganvseis.periodos = ?\norder by Kathgories.GrName COLLATE GREEK_CI, KatNo"},
        // A bare name belongs to the first table that has it; an alias stands for its table.
        {"SELECT DISTINCT periodos FROM Diorganvseis, Kathgories ORDER BY periodos ASC NULLS LAST",
         "SELECT DISTINCT periodos FROM Diorganvseis, Kathgories ORDER BY periodos COLLATE GREEK_CI ASC "
         "NULLS "
         "LAST"},
        {"select own.RecNo from PerOmades chosen, PerOmades own order by own.GrName, own.RecNo",
         "select own.RecNo from PerOmades chosen, PerOmades own order by own.GrName COLLATE GREEK_CI, "
         "own.RecNo"},
        {"SELECT \"p\".\"GrName\" FROM \"Agvnes\" \"a\" JOIN \"PerOmades\" AS \"p\" ON \"p\".\"RecNo\" = 1 "
         "ORDER BY \"p\".\"GrName\" LIMIT 5",
         "SELECT \"p\".\"GrName\" FROM \"Agvnes\" \"a\" JOIN \"PerOmades\" AS \"p\" ON \"p\".\"RecNo\" = 1 "
         "ORDER BY \"p\".\"GrName\" COLLATE GREEK_CI LIMIT 5"},
        // A subquery orders its own rows.
        {"SELECT * FROM (SELECT GrName FROM Kathgories ORDER BY GrName) ORDER BY 1",
         "SELECT * FROM (SELECT GrName FROM Kathgories ORDER BY GrName COLLATE GREEK_CI) ORDER BY 1"},
        // Left as written: other types, expressions, result names, own collations, literals.
        {"select Agvnes.\"date\", count(*) c from Agvnes group by Agvnes.\"date\" order by c asc, "
         "Agvnes.\"date\"",
         "select Agvnes.\"date\", count(*) c from Agvnes group by Agvnes.\"date\" order by c asc, "
         "Agvnes.\"date\""},
        {"SELECT GrName FROM Kathgories ORDER BY GrName COLLATE NOCASE, lower(GrName), 'ORDER BY GrName'",
         "SELECT GrName FROM Kathgories ORDER BY GrName COLLATE NOCASE, lower(GrName), 'ORDER BY GrName'"},
        {"SELECT GrName FROM Unknown ORDER BY GrName -- ORDER BY GrName",
         "SELECT GrName FROM Unknown ORDER BY GrName -- ORDER BY GrName"},
        {"SELECT 1", "SELECT 1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CollateOrderTerms(QString::fromUtf8(c.sql), ProgramColumnIsText),
                  QString::fromUtf8(c.expected))
            << c.sql;
}

// Names come in the order the case-insensitive index of their field gives them, whether a query
// orders them or a table on any index of the field.
class GreekOrderTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        Db().CreateTable({"Kathgories",
                          {{"KatNo", TFieldType::ftInteger, 0, true},
                           {"GrName", TFieldType::ftString, 50, false},
                           {"Kratos", TFieldType::ftInteger, 0, false}},
                          {{"", "KatNo", ixPrimary},
                           {"NameInd", "GrName", ixCaseInsensitive},
                           {"KratosInd", "Kratos;GrName", 0}}});
        auto categories = OpenTable("Kathgories");
        int katNo = 0;
        for (const char *name :
             {"Άρης Θεσσαλονίκης", "ΚΥΠΕΛΛΟ ΕΛΛΑΔΑΣ", "αγγλία", "Αθήνα", "Α' ΕΘΝΙΚΗ", "Zenit", "ajax"})
            AppendRecord(*categories,
                         {{"KatNo", ++katNo}, {"GrName", QString::fromUtf8(name)}, {"Kratos", 1}});
        categories->SetIndexName("NameInd");
        indexOrder = Column(*categories, "GrName");
    }

    QVariantList indexOrder;
};

TEST_F(GreekOrderTest, TheCaseInsensitiveIndexOrdersAlphabetically)
{
    EXPECT_EQ(indexOrder,
              (QVariantList{"ajax", "Zenit", QString::fromUtf8("Α' ΕΘΝΙΚΗ"), QString::fromUtf8("αγγλία"),
                            QString::fromUtf8("Αθήνα"), QString::fromUtf8("Άρης Θεσσαλονίκης"),
                            QString::fromUtf8("ΚΥΠΕΛΛΟ ΕΛΛΑΔΑΣ")}));
}

TEST_F(GreekOrderTest, AQueryOrdersNamesAsTheIndexDoes)
{
    TQuery query;
    query.SetDatabase(&Db());
    query.SQL().Add("Select GrName from Kathgories.DB");
    query.SQL().Add(" order by Kathgories.GrName");
    query.Open();
    EXPECT_EQ(Column(query, "GrName"), indexOrder);
}

TEST_F(GreekOrderTest, ATableOnACaseSensitiveIndexOrdersAndRangesNamesAsTheIndexDoes)
{
    auto categories = OpenTable("Kathgories", "KratosInd");
    EXPECT_EQ(Column(*categories, "GrName"), indexOrder);
    // A range between two names holds what lies between them in that order; its ends are the
    // names as stored, case and accents included.
    categories->SetRange({1, QString::fromUtf8("Α' ΕΘΝΙΚΗ")}, {1, QString::fromUtf8("Άρης Θεσσαλονίκης")});
    EXPECT_EQ(Column(*categories, "GrName"), indexOrder.mid(2, 4));
    categories->SetRange({1, QString::fromUtf8("αγγλια")}, {1, QString::fromUtf8("Αθήνα")});
    EXPECT_EQ(Column(*categories, "GrName"), indexOrder.mid(4, 1));
    categories->CancelRange();
    categories->FindNearest({1, "b"});
    EXPECT_EQ(categories->FieldByName("GrName").AsString(), "Zenit");
    EXPECT_FALSE(categories->FindKey({1, QString::fromUtf8("αθήνα")}));
    EXPECT_TRUE(categories->FindKey({1, QString::fromUtf8("Αθήνα")}));
}

} // namespace
