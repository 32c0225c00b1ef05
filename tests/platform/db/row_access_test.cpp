#include "db_fixture.h"

// ValueAt and DisplayTextAt show the stored record of a view row, whatever record the cursor is
// editing or inserting, with the field's display format and text event applied.
TEST_F(DbTest, RowAccessShowsStoredRecordsWhileEditingOrInserting)
{
    CreateKrath();
    auto krath = OpenTable("Krath", "NameInd");
    AppendRecord(*krath, {{"Name", "Ελλάδα"}, {"Kode", "GR"}});
    AppendRecord(*krath, {{"Name", "Ιταλία"}, {"Kode", "IT"}});
    TField &name = krath->FieldByName("Name");
    TField &recNo = krath->FieldByName("RecNo");
    recNo.SetDisplayFormat("000");
    name.OnGetText = [](TField &sender, QString &text, bool) { text = "[" + sender.AsString() + "]"; };

    struct Case
    {
        const char *what;
        std::function<bool(TTable &)> begin;
        QString typedName;
    };
    const Case cases[] = {
        {"append", [](TTable &t) { return t.Append(); }, "Ζ"},
        {"insert", [](TTable &t) { return t.Insert(); }, "Ζ"},
        {"edit", [](TTable &t) { return t.Edit(); }, "Αλλαγή"},
    };
    for (const Case &c : cases) {
        krath->First();
        ASSERT_TRUE(c.begin(*krath)) << c.what;
        name.SetAsString(c.typedName);
        const bool editing = krath->State() == TDataSetState::dsEdit;
        // The record being edited is the row the cursor stands on; a new record has no row yet.
        EXPECT_EQ(krath->DisplayTextAt(0, name.Index()), editing ? "[Αλλαγή]" : "[Ελλάδα]") << c.what;
        EXPECT_EQ(krath->ValueAt(0, name.Index()), QVariant(editing ? "Αλλαγή" : "Ελλάδα")) << c.what;
        EXPECT_EQ(krath->DisplayTextAt(1, name.Index()), "[Ιταλία]") << c.what;
        EXPECT_EQ(krath->DisplayTextAt(0, recNo.Index()), "001") << c.what;
        EXPECT_EQ(krath->DisplayTextAt(1, recNo.Index()), "002") << c.what;
        // The record being typed is still the one the fields show.
        EXPECT_EQ(name.DisplayText(), "[" + c.typedName + "]") << c.what;
        krath->Cancel();
    }
}

// Records are kept as read and turned into field values on use: every kind reads back as written.
TEST_F(DbTest, StoredValuesReadBackInTheirFieldTypes)
{
    CreateKrath();
    auto krath = OpenTable("Krath");
    const QString longName = "Ομοσπονδιακή Δημοκρατία της Γερμανίας";
    const QByteArray flag("\x89PNG\0\x01", 6);
    AppendRecord(*krath, {{"Name", longName}, {"Kode", "DE"}, {"Flag", flag}});
    AppendRecord(*krath, {{"Name", ""}, {"Kode", "0"}});
    krath->Refresh();
    krath->First();
    EXPECT_EQ(krath->FieldByName("Name").Value(), QVariant(longName));
    EXPECT_EQ(krath->FieldByName("Kode").Value(), QVariant("DE"));
    EXPECT_EQ(krath->FieldByName("Flag").Value(), QVariant(flag));
    EXPECT_EQ(krath->FieldByName("RecNo").Value(), QVariant(1));
    EXPECT_TRUE(krath->FieldByName("Nomisma").IsNull());
    krath->Next();
    EXPECT_EQ(krath->FieldByName("Name").Value(), QVariant(""));
    EXPECT_FALSE(krath->FieldByName("Name").IsNull()) << "an empty text is not an empty field";
    EXPECT_EQ(krath->FieldByName("Kode").Value(), QVariant("0"));
    EXPECT_TRUE(krath->FieldByName("Flag").IsNull());
    // A value typed over a stored one replaces it in the record being edited only.
    ASSERT_TRUE(krath->Edit());
    krath->FieldByName("Kode").SetAsString("AT");
    EXPECT_EQ(krath->ValueAt(0, krath->FieldByName("Kode").Index()), QVariant("DE"));
    EXPECT_EQ(krath->FieldByName("Kode").AsString(), "AT");
    krath->Cancel();
    EXPECT_EQ(krath->FieldByName("Kode").AsString(), "0");
}
