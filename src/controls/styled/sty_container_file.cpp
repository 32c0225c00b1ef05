#include "controls/styled/sty_container_file.h"

#include "controls/styled/sty_container.h"
#include "controls/styled/sty_container_items.h"
#include "controls/styled/sty_streams.h"

#include <QFile>
#include <QSaveFile>

#include <array>

namespace tav::styled {
namespace {

constexpr std::array<const char *, 6> Signatures = {"StyIML30", "StyBML30", "StyWVL30",
                                                    "StySLL30", "StyGLL50", "StyRTL50"};
constexpr int SignatureLength = 8;

[[noreturn]] void CannotOpen(const QString &fileName)
{
    throw EStyFileOpenError(
        QStringLiteral("%1: %2").arg(QStringLiteral("Δεν είναι δυνατό το άνοιγμα του αρχείου"), fileName));
}

} // namespace

int ContainerFileKind(const QString &signature)
{
    for (std::size_t kind = 0; kind < Signatures.size(); ++kind)
        if (signature == QLatin1String(Signatures[kind]))
            return int(kind);
    return 6;
}

QString ContainerFileSignature(int kind)
{
    if (kind < 0 || kind >= int(Signatures.size()))
        throw EStyError(QStringLiteral("Άγνωστο είδος αρχείου αποθήκης: %1").arg(kind));
    return QString::fromLatin1(Signatures[std::size_t(kind)]);
}

void SaveContainerFile(const QString &fileName, const TStyCustomContainer &container)
{
    const QByteArray signature = ContainerFileSignature(container.FileKind()).toLatin1();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EInOutError(QStringLiteral("Δεν είναι δυνατή η εγγραφή του αρχείου %1: %2")
                              .arg(fileName, file.errorString()));
    WriteByte(file, SignatureLength);
    file.write(signature);
    container.SaveToStream(file, true);
    if (!file.commit())
        throw EInOutError(QStringLiteral("Δεν είναι δυνατή η εγγραφή του αρχείου %1: %2")
                              .arg(fileName, file.errorString()));
}

void LoadItemFromFile(const QString &fileName, int kind, int itemIndex, TStyListItem &item)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        CannotOpen(fileName);
    try {
        char length = 0;
        if (!file.getChar(&length) || length != SignatureLength)
            CannotOpen(fileName);
        const QByteArray signature = file.read(SignatureLength);
        if (ContainerFileKind(QString::fromLatin1(signature)) != kind)
            CannotOpen(fileName);
        const std::int32_t count = ReadInteger(file);
        if (count < 0 || count > file.bytesAvailable() / 5 || itemIndex < 0 || itemIndex >= count)
            CannotOpen(fileName);
        const qint64 table = file.pos();
        const qint64 dataStart = table + qint64(count) * 4;
        file.seek(table + qint64(itemIndex) * 4);
        const std::int32_t offset = ReadInteger(file);
        if (offset < dataStart || offset >= file.size())
            CannotOpen(fileName);
        file.seek(offset);
        item.ReadData(file);
    } catch (const EStyFileOpenError &) {
        throw;
    } catch (const EStyError &) {
        CannotOpen(fileName);
    }
}

void LoadBitmapFromFile(const QString &fileName, int itemIndex, QImage &bitmap)
{
    TStyBitmapListItem item;
    LoadItemFromFile(fileName, 1, itemIndex, item);
    bitmap = item.Bitmap();
}

} // namespace tav::styled
