#include "platform/core/text_file.h"

#include "platform/core/errors.h"

#include <QDir>

#include <exception>

namespace {

const char *const kCannotOpen = "Δεν είναι δυνατό το άνοιγμα του αρχείου %1";
const char *const kCannotRead = "Σφάλμα στην ανάγνωση του αρχείου %1";
const char *const kCannotWrite = "Σφάλμα στην εγγραφή του αρχείου %1";
const char *const kClosed = "Το αρχείο %1 έχει κλείσει";

[[noreturn]] void Fail(const char *message, const QString &path)
{
    throw EInOutError(QString::fromUtf8(message).arg(QDir::toNativeSeparators(path)));
}

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = text.at(i);
        if (ch != '\r' && ch != '\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (ch == '\r' && i + 1 < size && text.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

} // namespace

QStringList ReadTextLines(const QString &path, CodePage codePage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(kCannotOpen, path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        Fail(kCannotRead, path);
    return SplitLines(FromCodePage(bytes, codePage));
}

void WriteTextLines(const QString &path, const QStringList &lines, CodePage codePage)
{
    TextFileWriter writer(path, TextFileWriter::Mode::Rewrite, codePage);
    for (const QString &line : lines)
        writer.WriteLine(line);
    writer.Close();
}

TextFileWriter::TextFileWriter(const QString &path, Mode mode, CodePage codePage)
    : path_(path), codePage_(codePage), uncaughtAtOpen_(std::uncaught_exceptions())
{
    if (mode == Mode::Rewrite) {
        whole_ = std::make_unique<QSaveFile>(path);
        if (!whole_->open(QIODevice::WriteOnly))
            Fail(kCannotOpen, path);
    } else {
        append_ = std::make_unique<QFile>(path);
        if (!append_->open(QIODevice::WriteOnly | QIODevice::Append))
            Fail(kCannotOpen, path);
    }
}

TextFileWriter::~TextFileWriter()
{
    // Unwinding from an error: a rewritten file keeps its old content.
    if (whole_ && std::uncaught_exceptions() > uncaughtAtOpen_) {
        whole_->cancelWriting();
        return;
    }
    try {
        Close();
    } catch (const EInOutError &) {
        // A destructor cannot report; callers that must know call Close themselves.
    }
}

QFileDevice &TextFileWriter::Device()
{
    if (whole_)
        return *whole_;
    if (append_)
        return *append_;
    Fail(kClosed, path_);
}

void TextFileWriter::WriteBytes(const QByteArray &bytes)
{
    if (Device().write(bytes) != bytes.size())
        Fail(kCannotWrite, path_);
}

void TextFileWriter::Write(const QString &text)
{
    WriteBytes(ToCodePage(text, codePage_));
}

void TextFileWriter::WriteLine(const QString &text)
{
    WriteBytes(ToCodePage(text, codePage_) + "\r\n");
}

void TextFileWriter::Close()
{
    if (whole_) {
        const bool committed = whole_->commit();
        whole_.reset();
        if (!committed)
            Fail(kCannotWrite, path_);
    } else if (append_) {
        const bool flushed = append_->flush();
        append_->close();
        const bool failed = !flushed || append_->error() != QFileDevice::NoError;
        append_.reset();
        if (failed)
            Fail(kCannotWrite, path_);
    }
}
