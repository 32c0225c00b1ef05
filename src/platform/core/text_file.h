#pragma once

#include "platform/core/codepage.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <memory>

// The program's text files: code page 1253 (737 for the DOS copies), CRLF line ends when
// written, any line end when read. Errors raise EInOutError with a Greek message naming the file.

// The file's lines. CRLF, LF and CR all end a line; a line end at the very end of the file adds
// no empty line.
QStringList ReadTextLines(const QString &path, CodePage codePage = CodePage::Windows1253);

// Writes the whole file at once: the old content stays until every line has been written.
void WriteTextLines(const QString &path, const QStringList &lines, CodePage codePage = CodePage::Windows1253);

// A text file written piece by piece. A character the code page cannot hold is written as '?'.
// Rewrite replaces the file only when Close succeeds (or the writer is destroyed without an
// exception in flight), so a run that fails half-way keeps the old file. Append adds to the end
// of the file, which is created when missing.
class TextFileWriter
{
public:
    enum class Mode
    {
        Rewrite,
        Append,
    };

    explicit TextFileWriter(const QString &path, Mode mode = Mode::Rewrite,
                            CodePage codePage = CodePage::Windows1253);
    ~TextFileWriter();

    TextFileWriter(const TextFileWriter &) = delete;
    TextFileWriter &operator=(const TextFileWriter &) = delete;

    void Write(const QString &text);
    void WriteLine(const QString &text = QString());
    // Finishes the file; errors raise EInOutError. Further writes are errors.
    void Close();

    const QString &FileName() const { return path_; }

private:
    QFileDevice &Device();
    void WriteBytes(const QByteArray &bytes);

    QString path_;
    CodePage codePage_;
    std::unique_ptr<QSaveFile> whole_;
    std::unique_ptr<QFile> append_;
    int uncaughtAtOpen_ = 0;
};
