#include "platform/core/codepage.h"

#include <QHash>

#include <array>
#include <cerrno>
#include <iconv.h>

namespace {

// One table per code page, built once through iconv: byte -> character and back. A table
// lookup converts text of any length without calling iconv per string and gives exact control
// over characters the code page does not hold.
class CodePageTable
{
public:
    explicit CodePageTable(const char *iconvName)
    {
        iconv_t cd = iconv_open("UTF-16LE", iconvName);
        for (int byte = 0; byte < 256; ++byte) {
            decode_[byte] = QChar::ReplacementCharacter;
            if (cd == reinterpret_cast<iconv_t>(-1))
                continue;
            char in = static_cast<char>(byte);
            char *inPtr = &in;
            size_t inLeft = 1;
            char16_t out[2] = {};
            char *outPtr = reinterpret_cast<char *>(out);
            size_t outLeft = sizeof(out);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
                outLeft == sizeof(out) - 2) {
                decode_[byte] = QChar(out[0]);
                encode_.insert(out[0], static_cast<char>(byte));
            }
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }

    QString Decode(const QByteArray &bytes) const
    {
        QString text(bytes.size(), Qt::Uninitialized);
        QChar *out = text.data();
        for (char byte : bytes)
            *out++ = decode_[static_cast<unsigned char>(byte)];
        return text;
    }

    QByteArray Encode(const QString &text, bool *allFit) const
    {
        QByteArray bytes;
        bytes.reserve(text.size());
        bool fits = true;
        for (int i = 0; i < text.size(); ++i) {
            const QChar ch = text.at(i);
            auto found = encode_.constFind(ch.unicode());
            if (found != encode_.constEnd()) {
                bytes.append(found.value());
                continue;
            }
            fits = false;
            bytes.append('?');
            // A character outside the basic plane is one character, one '?'.
            if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;
        }
        if (allFit)
            *allFit = fits;
        return bytes;
    }

private:
    std::array<QChar, 256> decode_{};
    QHash<char16_t, char> encode_;
};

const CodePageTable &TableOf(CodePage codePage)
{
    static const CodePageTable windows1253("CP1253");
    static const CodePageTable dos737("CP737");
    return codePage == CodePage::Windows1253 ? windows1253 : dos737;
}

} // namespace

QByteArray ToCodePage(const QString &text, CodePage codePage)
{
    return TableOf(codePage).Encode(text, nullptr);
}

QString FromCodePage(const QByteArray &bytes, CodePage codePage)
{
    return TableOf(codePage).Decode(bytes);
}

bool FitsCodePage(const QString &text, CodePage codePage)
{
    bool fits = true;
    TableOf(codePage).Encode(text, &fits);
    return fits;
}
