#pragma once

#include "platform/core/errors.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

// Version information of a program file. The build embeds a version block into the program, in
// the ELF section VersionSectionName, made from the project's version number; TVerInfoRes reads
// that block back from a file and offers the file version, the target system and the build flags
// as texts for the splash window and the about box.

class EVerInfoError : public Exception
{
public:
    using Exception::Exception;
};

// The file carries no version block.
class ENoVerInfoError : public EVerInfoError
{
public:
    using EVerInfoError::EVerInfoError;
};

// Target-system values of the fixed information, with the Linux value this program is built with.
inline constexpr quint32 VOS_UNKNOWN = 0x00000000;
inline constexpr quint32 VOS__WINDOWS16 = 0x00000001;
inline constexpr quint32 VOS__PM16 = 0x00000002;
inline constexpr quint32 VOS__PM32 = 0x00000003;
inline constexpr quint32 VOS__WINDOWS32 = 0x00000004;
inline constexpr quint32 VOS_DOS = 0x00010000;
inline constexpr quint32 VOS_DOS_WINDOWS16 = 0x00010001;
inline constexpr quint32 VOS_DOS_WINDOWS32 = 0x00010004;
inline constexpr quint32 VOS_OS216 = 0x00020000;
inline constexpr quint32 VOS_OS216_PM16 = 0x00020002;
inline constexpr quint32 VOS_OS232 = 0x00030000;
inline constexpr quint32 VOS_OS232_PM32 = 0x00030003;
inline constexpr quint32 VOS_NT = 0x00040000;
inline constexpr quint32 VOS_NT_WINDOWS32 = 0x00040004;
inline constexpr quint32 VOS_LINUX = 0x00080000;

// Build flags of the fixed information.
inline constexpr quint32 VS_FF_DEBUG = 0x01;
inline constexpr quint32 VS_FF_PRERELEASE = 0x02;
inline constexpr quint32 VS_FF_PRIVATEBUILD = 0x08;
inline constexpr quint32 VS_FF_SPECIALBUILD = 0x20;

inline constexpr quint32 FixedFileInfoSignature = 0xFEEF04BD;

// The fixed file information: thirteen 32-bit words, 52 bytes, little-endian in the block.
struct TFixedFileInfo
{
    quint32 Signature = FixedFileInfoSignature;
    quint32 StrucVersion = 0x00010000;
    quint32 FileVersionMS = 0; // major and minor number, 16 bits each
    quint32 FileVersionLS = 0; // release and build number
    quint32 ProductVersionMS = 0;
    quint32 ProductVersionLS = 0;
    quint32 FileFlagsMask = 0;
    quint32 FileFlags = 0;
    quint32 FileOS = VOS_UNKNOWN;
    quint32 FileType = 1; // an application
    quint32 FileSubtype = 0;
    quint32 FileDateMS = 0;
    quint32 FileDateLS = 0;
};

// The ELF section of the program file that holds the version block.
inline constexpr const char *VersionSectionName = ".tavrolin_version";

// A version block: a header of four 16-bit words (block length, translation length, fixed
// information length, zero), the translation (language, code page) and the fixed information.
inline constexpr std::size_t VersionBlockHeaderSize = 8;
inline constexpr std::size_t TranslationSize = 4;
inline constexpr std::size_t FixedFileInfoSize = 52;
inline constexpr std::size_t VersionBlockSize = VersionBlockHeaderSize + TranslationSize + FixedFileInfoSize;
using TVersionBlock = std::array<unsigned char, VersionBlockSize>;

constexpr TVersionBlock MakeVersionBlock(const TFixedFileInfo &info, quint16 language, quint16 codePage)
{
    TVersionBlock block{};
    std::size_t at = 0;
    const auto put16 = [&](quint32 value) {
        block[at++] = static_cast<unsigned char>(value & 0xFF);
        block[at++] = static_cast<unsigned char>((value >> 8) & 0xFF);
    };
    const auto put32 = [&](quint32 value) {
        put16(value & 0xFFFF);
        put16(value >> 16);
    };
    put16(VersionBlockSize);
    put16(TranslationSize);
    put16(FixedFileInfoSize);
    put16(0);
    put16(language);
    put16(codePage);
    for (quint32 word : {info.Signature, info.StrucVersion, info.FileVersionMS, info.FileVersionLS,
                         info.ProductVersionMS, info.ProductVersionLS, info.FileFlagsMask, info.FileFlags,
                         info.FileOS, info.FileType, info.FileSubtype, info.FileDateMS, info.FileDateLS})
        put32(word);
    return block;
}

// The fixed information this program is built with: the version number from the build, the
// target system Linux, and the flags Pre-release (while the major number is 0) and Debug (for a
// build with assertions).
TFixedFileInfo ProgramFixedFileInfo();

class TVerInfoRes
{
public:
    // Reads the version block of the file: ENoVerInfoError "No Version Info Available." when it
    // has none, EVerInfoError "Cannot obtain version info.", "No language info." or "No fixed
    // file info" when the block cannot be read or lacks a part.
    explicit TVerInfoRes(const QString &fileName);

    // The four version numbers joined by dots ("3.1.2.313").
    QString GetFileVersionText() const;
    // The target system as text ("Designed for Linux"); "Unknown" for a value not in the table.
    QString GetOSText() const;
    // "Pre-release", "Private build", "Special build", "Debug": those set, in this order.
    const QStringList &Flags() const { return flags_; }
    const QString &FileName() const { return fileName_; }

private:
    void ReadResource();
    void ReadFixedInfo();
    void ReadFlags();

    QByteArray buffer_;
    TFixedFileInfo fixedInfo_;
    QStringList flags_;
    QString fileName_;
};
