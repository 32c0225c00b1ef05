#include "platform/core/errors.h"
#include "platform/core/text_file.h"
#include "support/test_environment.h"

#include <QFile>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QString PathOf(const char *name)
{
    return CurrentTestFolders().Root() + "/" + name;
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(TextFile, ReadsEveryKindOfLineEnd)
{
    const struct
    {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\r\r\nb\n\n", {"a", "", "b", ""}},
        {"\r\n", {""}},
        {"", {}},
    };
    const QString path = PathOf("lines.txt");
    for (const auto &c : cases) {
        WriteBytes(path, c.bytes);
        EXPECT_EQ(ReadTextLines(path), c.lines) << c.bytes.toStdString();
    }
}

TEST(TextFile, ReadsGreekInBothCodePages)
{
    const QString path = PathOf("greek.txt");
    WriteBytes(path, "\xC1\xE3\xE3\xEB\xDF\xE1 1-0\r\n");
    EXPECT_EQ(ReadTextLines(path), QStringList{"Αγγλία 1-0"});
    WriteBytes(path, "\x80\x9A\x9A\xA2\xE5\x98\r\n");
    EXPECT_EQ(ReadTextLines(path, CodePage::Dos737), QStringList{"Αγγλία"});
}

TEST(TextFile, MissingFileRaisesAGreekErrorNamingTheFile)
{
    const QString path = PathOf("absent.txt");
    try {
        ReadTextLines(path);
        FAIL() << "no error";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(error.Message().contains(path));
        EXPECT_TRUE(error.Message().contains("αρχείου"));
    }
}

TEST(TextFile, WritesCodePageBytesWithCrLf)
{
    const QString path = PathOf("out.txt");
    WriteTextLines(path, {"Αγγλία", "", "日 €"});
    EXPECT_EQ(ReadBytes(path), QByteArray("\xC1\xE3\xE3\xEB\xDF\xE1\r\n\r\n? \x80\r\n"));
    WriteTextLines(path, {"Αγγλία"}, CodePage::Dos737);
    EXPECT_EQ(ReadBytes(path), QByteArray("\x80\x9A\x9A\xA2\xE5\x98\r\n"));
    WriteTextLines(path, {});
    EXPECT_EQ(ReadBytes(path), QByteArray());
}

TEST(TextFile, WriterAppendsPiecesAndLines)
{
    const QString path = PathOf("append.txt");
    {
        TextFileWriter writer(path, TextFileWriter::Mode::Append);
        writer.Write("1");
        writer.Write("2");
        writer.WriteLine();
        writer.Close();
    }
    {
        TextFileWriter writer(path, TextFileWriter::Mode::Append);
        writer.WriteLine("Γ");
    }
    EXPECT_EQ(ReadBytes(path), QByteArray("12\r\n\xC3\r\n"));
    EXPECT_EQ(ReadTextLines(path), (QStringList{"12", "Γ"}));
}

TEST(TextFile, RewriteKeepsTheOldFileWhenTheRunFails)
{
    const QString path = PathOf("keep.txt");
    WriteTextLines(path, {"old"});
    try {
        TextFileWriter writer(path);
        writer.WriteLine("half");
        throw std::runtime_error("failed half-way");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(ReadTextLines(path), QStringList{"old"});
    {
        TextFileWriter writer(path);
        writer.WriteLine("new");
    }
    EXPECT_EQ(ReadTextLines(path), QStringList{"new"});
}

TEST(TextFile, WriteErrorsRaiseInOutError)
{
    const QString inMissingFolder = PathOf("no/such/folder/out.txt");
    EXPECT_THROW(WriteTextLines(inMissingFolder, {"x"}), EInOutError);
    EXPECT_THROW(TextFileWriter(inMissingFolder, TextFileWriter::Mode::Append), EInOutError);
    EXPECT_FALSE(QFile::exists(inMissingFolder));

    TextFileWriter writer(PathOf("closed.txt"));
    writer.Close();
    EXPECT_THROW(writer.WriteLine("late"), EInOutError);
}
