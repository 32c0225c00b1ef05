#pragma once

#include "app/version_info.h"

#include <QByteArray>
#include <QList>

#include <optional>

// Writes 64-bit ELF files with chosen sections, standing in for program files with and without
// a version block.
namespace elf_builder {

// Little-endian; bytes past the eighth are zero padding.
inline void Put(QByteArray &out, quint64 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(i < 8 ? char((value >> (8 * i)) & 0xFF) : char(0));
}

struct ElfSection
{
    QByteArray Name;
    QByteArray Data;
    std::optional<quint64> DeclaredSize; // a size that differs from the data's
};

// A 64-bit ELF file with the sections given after the section-name table.
inline QByteArray ElfFile(const QList<ElfSection> &sections)
{
    QByteArray names("\0.shstrtab\0", 11);
    QList<quint32> nameOffsets;
    for (const ElfSection &s : sections) {
        nameOffsets.append(quint32(names.size()));
        names += s.Name + '\0';
    }
    QByteArray body = names;
    QList<quint64> dataOffsets;
    for (const ElfSection &s : sections) {
        dataOffsets.append(64 + quint64(body.size()));
        body += s.Data;
    }
    const quint64 tableOffset = 64 + quint64(body.size());
    const auto sectionHeader = [](quint32 name, quint32 type, quint64 offset, quint64 size) {
        QByteArray h;
        Put(h, name, 4);
        Put(h, type, 4);
        Put(h, 0, 16);
        Put(h, offset, 8);
        Put(h, size, 8);
        Put(h, 0, 24);
        return h;
    };
    QByteArray table = sectionHeader(0, 0, 0, 0) + sectionHeader(1, 3, 64, quint64(names.size()));
    for (qsizetype i = 0; i < sections.size(); ++i)
        table += sectionHeader(nameOffsets[i], 1, dataOffsets[i],
                               sections[i].DeclaredSize.value_or(quint64(sections[i].Data.size())));

    QByteArray header("\x7F"
                      "ELF\x02\x01\x01",
                      7);
    header.append(QByteArray(9, '\0'));
    Put(header, 2, 2);    // executable
    Put(header, 0x3E, 2); // x86-64
    Put(header, 1, 4);
    Put(header, 0, 16);
    Put(header, tableOffset, 8);
    Put(header, 0, 4);
    Put(header, 64, 2);
    Put(header, 0, 4);
    Put(header, 64, 2);
    Put(header, quint64(sections.size() + 2), 2);
    Put(header, 1, 2);
    return header + body + table;
}

inline QByteArray BlockBytes(const TFixedFileInfo &info)
{
    const TVersionBlock block = MakeVersionBlock(info, 0x0408, 1253);
    return QByteArray(reinterpret_cast<const char *>(block.data()), qsizetype(block.size()));
}

} // namespace elf_builder
