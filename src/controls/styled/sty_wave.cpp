#include "controls/styled/sty_wave.h"

#include "controls/styled/sty_streams.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>

namespace {

// The size of the header fields the format check reads: RIFF size WAVE "fmt " size, then the
// format fields (tag, channels, sample rate, bytes per second, block align, bits per sample).
constexpr int WaveHeaderSize = 36;
constexpr std::uint32_t MinFormatChunk = 16;

// Sounds through aplay when it is installed; without it the program stays silent.
class TAplayWavePlayer : public TStyWavePlayer
{
public:
    TAplayWavePlayer() : program_(QStandardPaths::findExecutable(QStringLiteral("aplay"))) {}
    ~TAplayWavePlayer() override { Stop(); }

    void Play(const QByteArray &wave) override
    {
        Stop();
        if (program_.isEmpty())
            return;
        process_ = std::make_unique<QProcess>();
        process_->start(program_, {QStringLiteral("-q"), QStringLiteral("-")});
        process_->write(wave);
        process_->closeWriteChannel();
    }

    void Stop() override
    {
        if (!process_)
            return;
        process_->kill();
        process_->waitForFinished(1000);
        process_.reset();
    }

private:
    QString program_;
    std::unique_ptr<QProcess> process_;
};

std::unique_ptr<TStyWavePlayer> &CurrentPlayer()
{
    static std::unique_ptr<TStyWavePlayer> player = std::make_unique<TAplayWavePlayer>();
    return player;
}

std::uint32_t Dword(const char *at)
{
    return qFromLittleEndian<std::uint32_t>(at);
}

std::uint16_t Word(const char *at)
{
    return qFromLittleEndian<std::uint16_t>(at);
}

} // namespace

TStyWave::TStyWave(QObject *parent) : TStyObject(parent) {}

TStyWave::~TStyWave()
{
    tav::styled::WavePlayer().Stop();
}

std::unique_ptr<TStyWave> TStyWave::CreateFromFile(const QString &fileName)
{
    auto wave = std::make_unique<TStyWave>();
    wave->LoadFromFile(fileName);
    return wave;
}

void TStyWave::ReadData(QIODevice &stream)
{
    const std::int32_t size = tav::styled::ReadInteger(stream);
    if (size < 0)
        throw EInvalidWave(QStringLiteral("%1: Το μέγεθος του ήχου είναι άκυρο.")
                               .arg(QString::fromLatin1(metaObject()->className())));
    LoadFromStreamSized(size, stream);
}

void TStyWave::WriteData(QIODevice &stream) const
{
    Save(stream, true);
}

void TStyWave::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Το αρχείο %1 δεν ανοίγει.").arg(fileName));
    LoadFromStream(file);
}

void TStyWave::LoadFromStream(QIODevice &stream)
{
    LoadFromStreamSized(stream.size() - stream.pos(), stream);
}

void TStyWave::SaveToFile(const QString &fileName) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EInOutError(QStringLiteral("Το αρχείο %1 δεν γράφεται.").arg(fileName));
    SaveToStream(file);
}

void TStyWave::SaveToStream(QIODevice &stream) const
{
    Save(stream, false);
}

void TStyWave::Save(QIODevice &stream, bool withSize) const
{
    if (withSize)
        tav::styled::WriteInteger(stream, std::int32_t(Size()));
    if (!Empty() && stream.write(*data_) != data_->size())
        throw EInOutError(QStringLiteral("Ο ήχος δεν γράφτηκε."));
}

void TStyWave::LoadFromStreamSized(qint64 count, QIODevice &stream)
{
    const QString className = QString::fromLatin1(metaObject()->className());
    if (count == 0) {
        SetData(QByteArray());
        return;
    }
    QByteArray bytes = count > 0 ? stream.read(count) : QByteArray();
    if (bytes.size() != count)
        throw EInvalidWave(className + QStringLiteral(": Ο ήχος είναι κομμένος."));
    TStyWaveFormat format;
    if (!tav::styled::GetWaveData(bytes, format))
        throw EInvalidWave(className + QStringLiteral(": Τα δεδομένα δεν είναι ήχος wave."));
    SetData(std::move(bytes));
}

void TStyWave::SetData(std::optional<QByteArray> data)
{
    tav::styled::WavePlayer().Stop();
    data_ = std::move(data);
    Change();
}

void TStyWave::DefineProperties(TStyFiler &filer)
{
    filer.DefineBinaryProperty(
        QStringLiteral("Data"), [this](QIODevice &device) { ReadData(device); },
        [this](QIODevice &device) { WriteData(device); }, data_.has_value());
}

void TStyWave::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *other = qobject_cast<const TStyWave *>(&source);
    if (!other)
        AssignError(source);
    SetData(other->Data());
}

namespace tav::styled {

bool GetWaveData(const QByteArray &wave, TStyWaveFormat &format)
{
    if (wave.size() < WaveHeaderSize)
        throw EErrorCheckingWave(QStringLiteral("GetWaveData: Σφάλμα ανάγνωσης ροής"));
    const char *at = wave.constData();
    format.totalSize = Dword(at + 4);
    const std::uint16_t tag = Word(at + 20);
    const std::uint16_t channels = Word(at + 22);
    format.pcm = tag == 1;
    format.channels = channels == 1 || channels == 2 ? std::uint8_t(channels) : 0;
    format.sampleRate = Dword(at + 24);
    format.bitsPerSample = Word(at + 34);
    return wave.startsWith("RIFF") && wave.mid(8, 4) == "WAVE" && wave.mid(12, 4) == "fmt " &&
           Dword(at + 16) >= MinFormatChunk;
}

TStyWavePlayer &WavePlayer()
{
    return *CurrentPlayer();
}

std::unique_ptr<TStyWavePlayer> ReplaceWavePlayer(std::unique_ptr<TStyWavePlayer> player)
{
    return std::exchange(CurrentPlayer(), std::move(player));
}

} // namespace tav::styled
