#pragma once

#include "controls/styled/sty_errors.h"
#include "controls/styled/sty_object.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <optional>

class QIODevice;

// A header field of the wave could not be read: it is cut short.
class EErrorCheckingWave : public EInvalidWave
{
public:
    using EInvalidWave::EInvalidWave;
};

// What the format check reads from a wave's header.
struct TStyWaveFormat
{
    std::uint32_t totalSize = 0;
    std::uint32_t sampleRate = 0;
    std::uint8_t channels = 0; // 1 mono, 2 stereo, 0 other
    bool pcm = false;
    std::uint16_t bitsPerSample = 0;
};

// Plays wave sounds. Replaceable, so that tests record instead of sounding.
class TStyWavePlayer
{
public:
    virtual ~TStyWavePlayer() = default;
    virtual void Play(const QByteArray &wave) = 0;
    // Stops whatever sound is playing.
    virtual void Stop() = 0;
};

// One wave sound kept in memory, as the sound containers store it in a design ("Data").
class TStyWave : public TStyObject
{
    Q_OBJECT

public:
    explicit TStyWave(QObject *parent = nullptr);
    ~TStyWave() override;

    static std::unique_ptr<TStyWave> CreateFromFile(const QString &fileName);

    bool Empty() const { return !data_ || data_->isEmpty(); }
    qint64 Size() const { return data_ ? data_->size() : 0; }
    QByteArray Data() const { return data_.value_or(QByteArray()); }

    // A 32-bit size, then that many bytes.
    virtual void ReadData(QIODevice &stream);
    virtual void WriteData(QIODevice &stream) const;
    virtual void LoadFromFile(const QString &fileName);
    // The rest of the stream from its position.
    virtual void LoadFromStream(QIODevice &stream);
    virtual void SaveToFile(const QString &fileName) const;
    // The bytes without their size.
    virtual void SaveToStream(QIODevice &stream) const;
    // Count bytes of the stream become the sound; 0 empties it. Data that is no wave raises
    // EInvalidWave and the sound stays as it was.
    void LoadFromStreamSized(qint64 count, QIODevice &stream);

    void DefineProperties(TStyFiler &filer) override;
    void Assign(const TStyObject &source) override;

private:
    void SetData(std::optional<QByteArray> data);
    void Save(QIODevice &stream, bool withSize) const;

    std::optional<QByteArray> data_;
};

namespace tav::styled {

// Checks the RIFF, WAVE and "fmt " tags of a wave and fills format from its header. Raises
// EErrorCheckingWave ("GetWaveData: ...") when the header is cut short.
bool GetWaveData(const QByteArray &wave, TStyWaveFormat &format);

// The player in use: by default aplay when it is installed, otherwise silence.
TStyWavePlayer &WavePlayer();
// Installs another player and returns the one it replaces.
std::unique_ptr<TStyWavePlayer> ReplaceWavePlayer(std::unique_ptr<TStyWavePlayer> player);

} // namespace tav::styled
