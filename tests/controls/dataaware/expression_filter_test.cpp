#include "controls/dataaware/dq_filter.h"
#include "controls/dataaware/dq_str.h"
#include "controls/dataaware/dq_table.h"
#include "dataaware_fixture.h"

using namespace tav::controls;

namespace {

class ExpressionFilterTest : public DataAwareTest
{
protected:
    void SetUp() override
    {
        DataAwareTest::SetUp();
        table_.SetDatabase(&Db());
        table_.SetTableName("Items");
        table_.Open();
    }

    // The tree written out with its groups, and the literal kinds of the constants.
    static QString Shape(const TNode &node)
    {
        if (node.Kind == TNode::nkOperand)
            return node.LiteralKind == TNode::lkField
                       ? node.Text
                       : QStringLiteral("%1:%2").arg(node.Text).arg(node.LiteralKind);
        return '(' + Shape(*node.Left) + ' ' + node.Text + ' ' + Shape(*node.Right) + ')';
    }

    TdqTable table_;
};

} // namespace

TEST_F(ExpressionFilterTest, ParsesTheGrammar)
{
    struct Case
    {
        const char *text;
        const char *shape;
    };
    const Case cases[] = {
        {"Amount > 100 AND Name = \"x\"", "((Amount > 100:2) AND (Name = \"x\":1))"},
        {"Id = 1 OR Qty = 2 AND Amount = 3", "(((Id = 1:7) OR (Qty = 2:7)) AND (Amount = 3:2))"},
        {"Unit Price > 3", "(Unit Price > 3:2)"},
        {"(Qty) *2 > 10", "Qty"},
        {"(Qty)*(2) > 10", "((Qty * 2:7) > 10)"},
        {"Amount >= 1,5 and Qty <> 3", "((Amount >= 1,5:2) AND (Qty <> 3:7))"},
        {"Stamp < \"13/03/2005\"", "(Stamp < \"13/03/2005\":3)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const std::unique_ptr<TNode> root = dqParseFilter(QString::fromUtf8(c.text), table_);
        ASSERT_TRUE(root);
        EXPECT_EQ(Shape(*root), QString::fromUtf8(c.shape));
    }
    EXPECT_TRUE(messages_.Calls().isEmpty());
}

TEST_F(ExpressionFilterTest, LeftSidesThatAreNoFieldAreNamed)
{
    struct Case
    {
        const char *text;
        const char *named;
    };
    const Case cases[] = {{"(x)/(2)/(4)", "2"}, {"5 = Qty", "5"}, {"Qty*2 > 10", "Qty*2"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        messages_.Clear();
        EXPECT_FALSE(dqParseFilter(c.text, table_));
        ASSERT_EQ(messages_.Count(), 1);
        EXPECT_EQ(messages_.Last().text, QStringLiteral("Field not found in Table. \r") + c.named);
        EXPECT_EQ(messages_.Last().icon, mtWarning);
    }
    // A syntax error fails without a message.
    messages_.Clear();
    EXPECT_FALSE(dqParseFilter("(Qty > 1", table_));
    EXPECT_FALSE(dqParseFilter("Qty >", table_));
    EXPECT_TRUE(messages_.Calls().isEmpty());
}

TEST_F(ExpressionFilterTest, FiltersTheRecordsAndDropsTheFilter)
{
    TdqFilterHandle handle = TdqFilterHandle::None;
    struct Case
    {
        const char *text;
        QList<int> ids;
    };
    const Case cases[] = {
        {"Amount > 100 AND Name = \"x\"", {2}},
        {"Name = \"x\" OR Qty = 7 AND Amount > 100", {2, 3}},
        {"Unit Price > 3", {2, 4}},
        {"(Qty)*(2) > 10", {}},
        {"Stamp < \"13/03/2005 09:30\"", {1, 2}},
        {"Stamp < \"13/03/2005 08:30\"", {1}},
        {"", {1, 2, 3, 4}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        if (QString(c.text) == "(Qty)*(2) > 10") {
            // The constant after an operator node is a field reference: 10 is no field.
            EXPECT_FALSE(dqSetExpressionFilter(c.text, table_, handle, false));
            EXPECT_EQ(messages_.Last().text, QStringLiteral("Field not found in Table. \r10"));
            EXPECT_EQ(Ids(table_), (QList<int>{1, 2, 3, 4}));
            continue;
        }
        ASSERT_TRUE(dqSetExpressionFilter(QString::fromUtf8(c.text), table_, handle, false));
        EXPECT_EQ(Ids(table_), c.ids);
    }
    EXPECT_EQ(handle, TdqFilterHandle::None);
}

TEST_F(ExpressionFilterTest, UnknownFieldLeavesNoFilter)
{
    TdqFilterHandle handle = TdqFilterHandle::None;
    ASSERT_TRUE(dqSetExpressionFilter("Qty > 3", table_, handle, false));
    EXPECT_EQ(Ids(table_), (QList<int>{2, 3}));
    EXPECT_FALSE(dqSetExpressionFilter("Price > 3", table_, handle, false));
    EXPECT_EQ(handle, TdqFilterHandle::None);
    EXPECT_EQ(Ids(table_), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(messages_.Last().text, QStringLiteral("Field not found in Table. \rPrice"));
}

TEST_F(ExpressionFilterTest, FilterLinesJoinAndBadLinesWarn)
{
    table_.SetdqFilter({"Name = \"x\"  \t", "", "Qty = 1"});
    EXPECT_EQ(Ids(table_), (QList<int>{4}));
    EXPECT_FALSE(table_.IsSequenced());
    table_.SetdqFilter({"Nope = 1"});
    EXPECT_EQ(messages_.Texts(), (QStringList{"Field not found in Table. \rNope", "Fail to set filter"}));
    EXPECT_EQ(Ids(table_), (QList<int>{1, 2, 3, 4}));
    // Lines set while closed filter from the next open.
    table_.Close();
    table_.SetdqFilter({"Qty = 5"});
    table_.Open();
    EXPECT_EQ(Ids(table_), (QList<int>{2}));
}

TEST(DqStrTest, TokensAndLists)
{
    struct Case
    {
        const char *text;
        const char *delimiter;
        int pos;
        const char *token;
        int after;
    };
    const Case cases[] = {
        {"a;b;c", ";", 1, "a", 3}, {"a;b;c", ";", 5, "c", -1},          {"a;b", ";", 9, "", -1},
        {"a;b", ";", 0, "", 0},    {"x and y AND z", "AND", 1, "x", 7}, {"x and y", "OR", 1, "x and y", -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        int pos = c.pos;
        QString token = "old";
        dqNextToken(c.text, c.delimiter, pos, token);
        EXPECT_EQ(token, c.token);
        EXPECT_EQ(pos, c.after);
    }
    EXPECT_EQ(dqSplitList("", ';'), QStringList{""});
    EXPECT_EQ(dqSplitList("a;;b", ';'), (QStringList{"a", "", "b"}));
    QString s = "abc \t ";
    dqTrimRightSet(s, " \t");
    EXPECT_EQ(s, "abc");
    EXPECT_TRUE(dqSameText("Όνομα", "ΌΝΟΜΑ"));
}
