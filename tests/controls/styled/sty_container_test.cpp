#include "controls/styled/sty_container_file.h"
#include "controls/styled/sty_container_global.h"
#include "controls/styled/sty_container_items.h"
#include "controls/styled/sty_glyph_stock.h"
#include "controls/styled/sty_image_list.h"
#include "controls/styled/sty_image_lists.h"
#include "controls/styled/sty_resources.h"
#include "controls/styled/sty_wave.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

using namespace tav::styled;

QByteArray MakeWave(const QByteArray &samples);

namespace {

// A 24-bit picture whose every pixel tells its place and the seed.
QImage Pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) % 256, (y * 11 + seed * 3) % 256, (x + y + seed) % 256));
    return image;
}

bool SamePixels(const QImage &a, const QImage &b)
{
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

QByteArray Stored(const TStyListItem &item)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    item.WriteData(buffer);
    return bytes;
}

TEST(StyContainer, ChangeLinkFiresOncePerChangeAndIsDroppedWithItsContainer)
{
    TStyChangeLink link;
    TStyChangeLink other;
    int heard = 0;
    TStyBaseContainer *from = nullptr;
    link.OnChange = [&](TStyBaseContainer *sender) {
        ++heard;
        from = sender;
    };
    auto *list = new TStyStringList;
    list->RegisterChanges(link);
    list->RegisterChanges(other);
    list->UnRegisterChanges(other);
    EXPECT_EQ(other.Sender(), nullptr);

    const int index = list->Add();
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(from, list);
    qobject_cast<TStyStringListItem *>(list->Items(index))->SetItems({QStringLiteral("Ένα")});
    EXPECT_EQ(heard, 2);
    list->Clear();
    EXPECT_EQ(heard, 3);

    delete list;
    EXPECT_EQ(link.Sender(), nullptr);
    EXPECT_EQ(heard, 3);

    // A link that goes first leaves the container with no dangling entry.
    TStyStringList kept;
    {
        TStyChangeLink shortLived;
        kept.RegisterChanges(shortLived);
    }
    EXPECT_TRUE(kept.Links().empty());
    kept.Add();
}

TEST(StyContainer, FlagsByteTellsWhatFollows)
{
    struct Case
    {
        const char *name;
        std::function<void(TStyBitmapListItem &)> set;
        std::uint8_t flags;
    };
    const std::vector<Case> cases = {
        {"nothing", [](TStyBitmapListItem &) {}, 0x00},
        {"ident 0 and no description", [](TStyBitmapListItem &item) { item.SetIdent(0); }, 0x00},
        {"description", [](TStyBitmapListItem &item) { item.SetDescription(QStringLiteral("Σήμα")); }, 0x02},
        {"ident", [](TStyBitmapListItem &item) { item.SetIdent(7); }, 0x04},
        {"compressed bitmap",
         [](TStyBitmapListItem &item) {
             item.SetCompressed(true);
             item.SetBitmap(Pattern(4, 4, 1));
         },
         0x09},
        {"mono", [](TStyBitmapListItem &item) { item.SetPixelFormat(spfMono); }, 0x10},
        {"4 bit", [](TStyBitmapListItem &item) { item.SetPixelFormat(spf4bit); }, 0x20},
        {"8 bit", [](TStyBitmapListItem &item) { item.SetPixelFormat(spf8bit); }, 0x40},
    };
    for (const Case &test : cases) {
        TStyBitmapListItem item;
        test.set(item);
        EXPECT_EQ(item.GetFlags(), test.flags) << test.name;
        EXPECT_EQ(std::uint8_t(Stored(item).at(0)), test.flags) << test.name;
    }
}

TEST(StyContainer, ItemsOfEveryKindComeBackFromTheirStreamWithOffsets)
{
    TStyStringList texts;
    texts.SetDefaultCompressed(true);
    auto *greek = qobject_cast<TStyStringListItem *>(texts.Items(texts.Add()));
    greek->SetItems({QStringLiteral("Ομάδες"), QString(), QStringLiteral("Αγώνες")});
    greek->SetDescription(QStringLiteral("κείμενα"));
    auto *plain = qobject_cast<TStyStringListItem *>(texts.Items(texts.Add()));
    plain->SetCompressed(false);
    plain->SetIdent(300);

    TStyWaveList sounds;
    TStyWave wave;
    QByteArray bytes = MakeWave(QByteArray(64, '\x40'));
    QBuffer source(&bytes);
    source.open(QIODevice::ReadOnly);
    wave.LoadFromStream(source);
    qobject_cast<TStyWaveListItem *>(sounds.Items(sounds.Add()))->SetWave(wave);

    for (TStyCustomContainer *container : std::initializer_list<TStyCustomContainer *>{&texts, &sounds}) {
        QByteArray stream;
        QBuffer buffer(&stream);
        buffer.open(QIODevice::ReadWrite);
        container->SaveToStream(buffer, true);
        buffer.seek(0);
        if (container == &texts) {
            TStyStringList back;
            back.LoadFromStream(buffer, true);
            ASSERT_EQ(back.Count(), 2);
            auto *first = qobject_cast<TStyStringListItem *>(back.Items(0));
            EXPECT_EQ(first->Items(), greek->Items());
            EXPECT_EQ(first->Description(), QStringLiteral("κείμενα"));
            EXPECT_TRUE(first->Compressed());
            EXPECT_EQ(back.Items(1)->Ident(), 300);
            EXPECT_TRUE(back.Items(1)->IsEmpty());
        } else {
            TStyWaveList back;
            back.LoadFromStream(buffer, true);
            ASSERT_EQ(back.Count(), 1);
            EXPECT_EQ(qobject_cast<TStyWaveListItem *>(back.Items(0))->Wave()->Data(), wave.Data());
        }
    }
}

TEST(StyContainer, DamagedStreamLeavesTheItemsAsTheyWere)
{
    TStyStringList texts;
    qobject_cast<TStyStringListItem *>(texts.Items(texts.Add()))
        ->SetItems({QStringLiteral("α"), QStringLiteral("β")});
    QByteArray stream;
    QBuffer out(&stream);
    out.open(QIODevice::WriteOnly);
    texts.SaveToStream(out, false);

    TStyStringList target;
    qobject_cast<TStyStringListItem *>(target.Items(target.Add()))->SetItems({QStringLiteral("μένει")});
    const std::vector<QByteArray> damaged = {stream.left(stream.size() - 2), stream.left(3),
                                             QByteArray::fromHex("ffffff7f00")};
    for (QByteArray bytes : damaged) {
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        EXPECT_THROW(target.LoadFromStream(in, false), EStyError);
        ASSERT_EQ(target.Count(), 1);
        EXPECT_EQ(qobject_cast<TStyStringListItem *>(target.Items(0))->Items(),
                  QStringList{QStringLiteral("μένει")});
    }
}

TEST(StyContainer, ItemReadFromADesignJoinsItsContainer)
{
    TStyBitmapListItem source;
    source.SetBitmap(Pattern(5, 3, 9));
    source.SetIdent(12);
    const TStyDesign design = WriteDesign(source);
    ASSERT_TRUE(design.Has(QStringLiteral("Internal")));
    EXPECT_FALSE(design.Has(QStringLiteral("Bitmap")));

    TStyBitmapList list;
    int changes = 0;
    list.OnChange = [&changes](TStyCustomComponent *) { ++changes; };
    auto *item = new TStyBitmapListItem(&list);
    ReadDesign(*item, design);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0), item);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(item->Ident(), 12);
    EXPECT_TRUE(SamePixels(item->Bitmap(), source.Bitmap()));
    EXPECT_EQ(list.Count(0), 1);
    EXPECT_EQ(list.Count(3), 0);
}

class StyContainerFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (int index = 0; index < 3; ++index) {
            auto *item = qobject_cast<TStyBitmapListItem *>(bitmaps.Items(bitmaps.Add()));
            item->SetBitmap(Pattern(10 + index, 8, index * 40));
            item->SetCompressed(index == 2);
            item->SetDescription(QStringLiteral("εικόνα %1").arg(index));
        }
        fileName = folder.filePath(QStringLiteral("glyphs.bmp"));
        SaveContainerFile(fileName, bitmaps);
    }

    QTemporaryDir folder;
    TStyBitmapList bitmaps;
    QString fileName;
};

TEST_F(StyContainerFile, ItemTwoComesBackPixelForPixel)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(9);
    EXPECT_EQ(head, QByteArray("\x08StyBML30"));

    QImage bitmap;
    LoadBitmapFromFile(fileName, 2, bitmap);
    EXPECT_TRUE(SamePixels(bitmap, bitmaps.Bitmaps(2)->Bitmap()));

    TStyBitmapListItem item;
    LoadItemFromFile(fileName, 1, 1, item);
    EXPECT_EQ(item.Description(), QStringLiteral("εικόνα 1"));
    EXPECT_TRUE(SamePixels(item.Bitmap(), bitmaps.Bitmaps(1)->Bitmap()));
}

TEST_F(StyContainerFile, AnotherKindOrADamagedFileRaisesAndLoadsNothing)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();
    const auto patched = [&whole](int at, const QByteArray &bytes) {
        QByteArray copy = whole;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    struct Case
    {
        const char *name;
        QByteArray bytes;
        int kind;
        int index;
    };
    const std::vector<Case> cases = {
        {"another kind", whole, 0, 1},
        {"an index beyond the count", whole, 1, 3},
        {"a negative index", whole, 1, -1},
        {"a count larger than the file", patched(9, QByteArray::fromHex("ffffff00")), 1, 1},
        {"an offset beyond the end", patched(17, QByteArray::fromHex("ffffff00")), 1, 1},
        {"an offset into the table", patched(17, QByteArray::fromHex("05000000")), 1, 1},
        {"a cut file", whole.left(whole.size() - 30), 1, 2},
        {"no signature", QByteArray("\x08StyB"), 1, 0},
    };
    const QString damagedName = folder.filePath(QStringLiteral("damaged.bmp"));
    for (const Case &test : cases) {
        QFile damaged(damagedName);
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(test.bytes);
        damaged.close();
        TStyBitmapListItem item;
        item.SetDescription(QStringLiteral("πριν"));
        item.SetBitmap(Pattern(2, 2, 5));
        try {
            LoadItemFromFile(damagedName, test.kind, test.index, item);
            ADD_FAILURE() << test.name;
        } catch (const EStyFileOpenError &error) {
            EXPECT_EQ(QString::fromUtf8(error.what()),
                      QStringLiteral("Δεν είναι δυνατό το άνοιγμα του αρχείου: ") + damagedName)
                << test.name;
        }
        EXPECT_EQ(item.Description(), QStringLiteral("πριν")) << test.name;
        EXPECT_TRUE(SamePixels(item.Bitmap(), Pattern(2, 2, 5))) << test.name;
    }
}

TEST_F(StyContainerFile, AnEmptyBitmapItemFetchesItsBitmapByTheStorageMode)
{
    TStyBitmapList fromFile;
    fromFile.SetStorage(1, ppFixed, fileName);
    auto *item = qobject_cast<TStyBitmapListItem *>(fromFile.Items(fromFile.Add()));
    item->SetIdent(1);
    EXPECT_TRUE(SamePixels(item->Bitmap(), bitmaps.Bitmaps(1)->Bitmap()));

    TStyBitmapList fromResources;
    fromResources.SetStorage(2, ppProgram, QString());
    auto *stock = qobject_cast<TStyBitmapListItem *>(fromResources.Items(fromResources.Add()));
    stock->SetIdent(StockGlyphsResource);
    EXPECT_EQ(stock->Bitmap().size(), QSize(104, 14));

    const QImage single = Pattern(6, 6, 77);
    ASSERT_TRUE(single.save(folder.filePath(QStringLiteral("sym42.bmp")), "BMP"));
    TStyBitmapList fromFiles;
    fromFiles.SetStorage(4, ppFixed, folder.filePath(QStringLiteral("symbols.bml")));
    auto *numbered = qobject_cast<TStyBitmapListItem *>(fromFiles.Items(fromFiles.Add()));
    numbered->SetIdent(42);
    EXPECT_TRUE(SamePixels(numbered->Bitmap(), single));

    TStyBitmapList none;
    none.SetStorage(3, ppFixed, fileName);
    EXPECT_TRUE(qobject_cast<TStyBitmapListItem *>(none.Items(none.Add()))->Bitmap().isNull());
}

TEST(StyContainer, SharedListsAreStoredByNameAndReadBackAsTheSameObject)
{
    TStyBitmapList *bitmaps = GlobalContainer().BitmapList();
    TStyImageList *strips = GlobalContainer().ImageList();
    EXPECT_TRUE(IsGlobalList(bitmaps));
    EXPECT_EQ(WriteGlobalListRef(bitmaps).toString(), QStringLiteral("StyBML30"));
    EXPECT_EQ(WriteGlobalListRef(strips).toString(), QStringLiteral("StyIML30"));
    EXPECT_EQ(ReadGlobalListRef(QStringLiteral("StyBML30")), bitmaps);
    EXPECT_EQ(ReadGlobalListRef(QStringLiteral("StyIML30")), strips);

    TStyBitmapList own;
    EXPECT_FALSE(IsGlobalList(&own));
    EXPECT_FALSE(IsGlobalList(nullptr));
    EXPECT_FALSE(WriteGlobalListRef(&own).isValid());
    for (const QVariant &other :
         {QVariant(QStringLiteral("StyWVL30")), QVariant(QStringLiteral("ImageList1")), QVariant()})
        EXPECT_EQ(ReadGlobalListRef(other), nullptr);

    int changes = 0;
    TStyContainer container;
    container.OnChange = [&changes](TStyCustomComponent *) { ++changes; };
    container.WaveList()->Add();
    container.StringList()->Add();
    EXPECT_EQ(changes, 2);
}

TEST(StyContainer, AssignCopiesItemsAndDefaultsWithOneChange)
{
    TStyImageList source;
    source.SetDefaultCompressed(true);
    source.SetDefaultPixelFormat(spf8bit);
    auto *strip = qobject_cast<TStyImageListItem *>(source.Items(source.Add()));
    strip->Add(Pattern(32, 16, 3), QImage());

    TStyImageList copy;
    copy.Add();
    copy.Add();
    int changes = 0;
    copy.OnChange = [&changes](TStyCustomComponent *) { ++changes; };
    copy.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(copy.DefaultCompressed());
    EXPECT_EQ(copy.DefaultPixelFormat(), spf8bit);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy.Count(0), 2);
    EXPECT_TRUE(SamePixels(copy.GetBitmap(0, 1), Pattern(32, 16, 3).copy(16, 0, 16, 16)));
    EXPECT_EQ(ContainerFileExt(0, true), QStringLiteral(".iml"));
    EXPECT_EQ(ContainerFileExt(4, false), QStringLiteral("*"));
    EXPECT_EQ(ContainerFileExt(6, true), QString());
}

} // namespace
