#include "app/version_info.h"

#include <QFile>

#include <optional>
#include <string_view>

namespace {

const char *const kNoVersionInfo = "No Version Info Available.";
const char *const kCannotObtain = "Cannot obtain version info.";
const char *const kNoLanguageInfo = "No language info.";
const char *const kNoFixedInfo = "No fixed file info";
constexpr quint16 kGreekLanguage = 0x0408;
constexpr quint16 kGreekCodePage = 1253;

// The four numbers of the build's version text "x.y.z"; missing numbers are 0.
constexpr std::array<quint16, 4> ParseVersion(std::string_view text)
{
    std::array<quint16, 4> parts{};
    std::size_t part = 0;
    for (char c : text) {
        if (c == '.') {
            if (++part == parts.size())
                break;
        } else if (c >= '0' && c <= '9') {
            parts[part] = static_cast<quint16>(parts[part] * 10 + (c - '0'));
        }
    }
    return parts;
}

constexpr TFixedFileInfo BuiltFixedFileInfo()
{
    constexpr std::array<quint16, 4> version = ParseVersion(TAVROLIN_VERSION);
    TFixedFileInfo info;
    info.FileVersionMS = quint32(version[0]) << 16 | version[1];
    info.FileVersionLS = quint32(version[2]) << 16 | version[3];
    info.ProductVersionMS = info.FileVersionMS;
    info.ProductVersionLS = info.FileVersionLS;
    info.FileFlagsMask = 0x3F;
    info.FileFlags = version[0] == 0 ? VS_FF_PRERELEASE : 0;
#ifndef NDEBUG
    info.FileFlags |= VS_FF_DEBUG;
#endif
    info.FileOS = VOS_LINUX;
    return info;
}

constexpr bool SameText(std::string_view a, std::string_view b)
{
    return a == b;
}

// The section name in the attribute must be a literal; it is the one the reader looks for.
static_assert(SameText(VersionSectionName, ".tavrolin_version"));
[[gnu::used, gnu::section(".tavrolin_version")]] constinit const TVersionBlock ProgramVersionBlock =
    MakeVersionBlock(BuiltFixedFileInfo(), kGreekLanguage, kGreekCodePage);

quint16 Read16(const QByteArray &bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

quint32 Read32(const QByteArray &bytes, qsizetype at)
{
    return quint32(Read16(bytes, at)) | quint32(Read16(bytes, at + 2)) << 16;
}

quint64 Read64(const QByteArray &bytes, qsizetype at)
{
    return quint64(Read32(bytes, at)) | quint64(Read32(bytes, at + 4)) << 32;
}

QByteArray ReadAt(QFile &file, quint64 offset, quint64 size)
{
    if (offset > quint64(file.size()) || size > quint64(file.size()) - offset || !file.seek(qint64(offset)))
        return {};
    return file.read(qint64(size));
}

struct SectionPlace
{
    quint64 Offset = 0;
    quint64 Size = 0;
};

// Where the version section lies in a 64-bit little-endian ELF file; nothing for any other file.
std::optional<SectionPlace> FindVersionSection(QFile &file)
{
    const QByteArray header = file.read(64);
    if (header.size() < 64 ||
        !header.startsWith("\x7F"
                           "ELF") ||
        header[4] != 2 || header[5] != 1)
        return std::nullopt;
    const quint64 tableOffset = Read64(header, 0x28);
    const quint16 entrySize = Read16(header, 0x3A);
    const quint16 count = Read16(header, 0x3C);
    const quint16 namesIndex = Read16(header, 0x3E);
    if (entrySize < 64 || namesIndex >= count)
        return std::nullopt;
    const QByteArray table = ReadAt(file, tableOffset, quint64(entrySize) * count);
    if (table.size() != qsizetype(entrySize) * count)
        return std::nullopt;
    const qsizetype namesEntry = qsizetype(namesIndex) * entrySize;
    const QByteArray names = ReadAt(file, Read64(table, namesEntry + 24), Read64(table, namesEntry + 32));
    const QByteArray wanted = QByteArray(VersionSectionName) + '\0';
    constexpr quint32 kNoBits = 8;
    for (quint16 i = 0; i < count; ++i) {
        const qsizetype entry = qsizetype(i) * entrySize;
        const quint32 nameOffset = Read32(table, entry);
        if (nameOffset < quint32(names.size()) && names.mid(nameOffset, wanted.size()) == wanted &&
            Read32(table, entry + 4) != kNoBits)
            return SectionPlace{Read64(table, entry + 24), Read64(table, entry + 32)};
    }
    return std::nullopt;
}

} // namespace

TFixedFileInfo ProgramFixedFileInfo()
{
    return BuiltFixedFileInfo();
}

TVerInfoRes::TVerInfoRes(const QString &fileName) : fileName_(fileName)
{
    ReadResource();
    ReadFixedInfo();
    ReadFlags();
}

void TVerInfoRes::ReadResource()
{
    QFile file(fileName_);
    std::optional<SectionPlace> place;
    if (file.open(QIODevice::ReadOnly))
        place = FindVersionSection(file);
    if (!place || place->Size == 0)
        throw ENoVerInfoError(kNoVersionInfo);
    buffer_ = ReadAt(file, place->Offset, place->Size);
    if (quint64(buffer_.size()) != place->Size || buffer_.size() < qsizetype(VersionBlockHeaderSize))
        throw EVerInfoError(kCannotObtain);
    const quint16 length = Read16(buffer_, 0);
    if (length < VersionBlockHeaderSize || length > buffer_.size())
        throw EVerInfoError(kCannotObtain);
    buffer_.truncate(length);
    const quint16 translationLength = Read16(buffer_, 2);
    if (translationLength < TranslationSize || VersionBlockHeaderSize + translationLength > length)
        throw EVerInfoError(kNoLanguageInfo);
}

void TVerInfoRes::ReadFixedInfo()
{
    const qsizetype at = qsizetype(VersionBlockHeaderSize) + Read16(buffer_, 2);
    const quint16 length = Read16(buffer_, 4);
    if (length < FixedFileInfoSize || at + length > buffer_.size() ||
        Read32(buffer_, at) != FixedFileInfoSignature)
        throw EVerInfoError(kNoFixedInfo);
    quint32 *words[] = {&fixedInfo_.Signature,     &fixedInfo_.StrucVersion,     &fixedInfo_.FileVersionMS,
                        &fixedInfo_.FileVersionLS, &fixedInfo_.ProductVersionMS, &fixedInfo_.ProductVersionLS,
                        &fixedInfo_.FileFlagsMask, &fixedInfo_.FileFlags,        &fixedInfo_.FileOS,
                        &fixedInfo_.FileType,      &fixedInfo_.FileSubtype,      &fixedInfo_.FileDateMS,
                        &fixedInfo_.FileDateLS};
    for (qsizetype i = 0; i < qsizetype(std::size(words)); ++i)
        *words[i] = Read32(buffer_, at + 4 * i);
}

void TVerInfoRes::ReadFlags()
{
    const quint32 set = fixedInfo_.FileFlags & fixedInfo_.FileFlagsMask;
    const std::pair<quint32, const char *> names[] = {{VS_FF_PRERELEASE, "Pre-release"},
                                                      {VS_FF_PRIVATEBUILD, "Private build"},
                                                      {VS_FF_SPECIALBUILD, "Special build"},
                                                      {VS_FF_DEBUG, "Debug"}};
    for (const auto &[flag, name] : names)
        if (set & flag)
            flags_.append(QString::fromLatin1(name));
}

QString TVerInfoRes::GetFileVersionText() const
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(fixedInfo_.FileVersionMS >> 16)
        .arg(fixedInfo_.FileVersionMS & 0xFFFF)
        .arg(fixedInfo_.FileVersionLS >> 16)
        .arg(fixedInfo_.FileVersionLS & 0xFFFF);
}

QString TVerInfoRes::GetOSText() const
{
    static const std::pair<quint32, const char *> texts[] = {
        {VOS_UNKNOWN, "Unknown"},
        {VOS__WINDOWS16, "Designed for 16-bit Windows"},
        {VOS__PM16, "Designed for 16-bit PM"},
        {VOS__PM32, "Designed for 32-bit PM"},
        {VOS__WINDOWS32, "Designed for 32-bit Windows"},
        {VOS_DOS, "Designed for MS-DOS"},
        {VOS_DOS_WINDOWS16, "Designed for 16-bit Windows, running on MS-DOS"},
        {VOS_DOS_WINDOWS32, "Designed for Win32 API, running on MS-DOS"},
        {VOS_OS216, "Designed for 16-bit OS/2"},
        {VOS_OS216_PM16, "Designed for 16-bit PM, running on 16-bit OS/2"},
        {VOS_OS232, "Designed for 32-bit OS/2"},
        {VOS_OS232_PM32, "Designed for 32-bit PM, running on 32-bit OS/2"},
        {VOS_NT, "Designed for Windows NT"},
        {VOS_NT_WINDOWS32, "Designed for Win32 API, running on Windows/NT"},
        {VOS_LINUX, "Designed for Linux"},
    };
    for (const auto &[value, text] : texts)
        if (value == fixedInfo_.FileOS)
            return QString::fromLatin1(text);
    return QStringLiteral("Unknown");
}
