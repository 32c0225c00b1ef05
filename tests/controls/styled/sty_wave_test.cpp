#include "controls/styled/sty_wave.h"
#include "sty_wave_recorder.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>

using tav::styled::ReadDesign;
using tav::styled::WriteDesign;

QByteArray MakeWave(const QByteArray &samples)
{
    QByteArray wave;
    const auto dword = [&wave](std::uint32_t value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        wave.append(bytes, 4);
    };
    const auto word = [&wave](std::uint16_t value) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        wave.append(bytes, 2);
    };
    wave += "RIFF";
    dword(std::uint32_t(36 + samples.size()));
    wave += "WAVEfmt ";
    dword(16);
    word(1);
    word(1);
    dword(8000);
    dword(8000);
    word(1);
    word(8);
    wave += "data";
    dword(std::uint32_t(samples.size()));
    return wave + samples;
}

namespace {

using StyWave = WithWaveRecorder;

QByteArray Sized(const QByteArray &bytes)
{
    QByteArray sized(4, '\0');
    qToLittleEndian(std::int32_t(bytes.size()), sized.data());
    return sized + bytes;
}

void LoadBytes(TStyWave &wave, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    wave.LoadFromStream(buffer);
}

TEST_F(StyWave, KeepsAValidWaveStopsTheSoundAndNotifiesOnce)
{
    const QByteArray sound = MakeWave(QByteArray(100, '\x80'));
    TStyWave wave;
    int changes = 0;
    wave.OnChange = [&changes](TStyObject *) { ++changes; };
    EXPECT_TRUE(wave.Empty());

    LoadBytes(wave, sound);
    EXPECT_EQ(wave.Data(), sound);
    EXPECT_EQ(wave.Size(), sound.size());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(recorder->calls, QStringList{"stop"}) << "new data stops the sound that plays";

    TStyWaveFormat format;
    ASSERT_TRUE(tav::styled::GetWaveData(sound, format));
    EXPECT_EQ(format.sampleRate, 8000u);
    EXPECT_EQ(format.channels, 1);
    EXPECT_TRUE(format.pcm);
    EXPECT_EQ(format.bitsPerSample, 8);
    EXPECT_EQ(format.totalSize, std::uint32_t(sound.size() - 8));
}

TEST_F(StyWave, ZeroBytesLoadAsEmptyWithoutACheck)
{
    TStyWave wave;
    LoadBytes(wave, MakeWave("x"));
    QBuffer nothing;
    nothing.open(QIODevice::ReadOnly);
    wave.LoadFromStreamSized(0, nothing);
    EXPECT_TRUE(wave.Empty());
    EXPECT_EQ(wave.Size(), 0);
}

TEST_F(StyWave, DataThatIsNoWaveIsRefusedAndTheOldSoundStays)
{
    const QByteArray good = MakeWave("abc");
    QByteArray notRiff = good, notWave = good, notFmt = good, shortFormat = good;
    notRiff.replace(0, 4, "RIFX");
    notWave.replace(8, 4, "AVI ");
    notFmt.replace(12, 4, "data");
    shortFormat[16] = 4;
    const struct
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {{"not RIFF", notRiff},
                 {"not WAVE", notWave},
                 {"no fmt chunk", notFmt},
                 {"short fmt", shortFormat},
                 {"cut header", good.left(20)}};
    for (const auto &[what, bytes] : cases) {
        TStyWave wave;
        LoadBytes(wave, good);
        int changes = 0;
        wave.OnChange = [&changes](TStyObject *) { ++changes; };
        try {
            LoadBytes(wave, bytes);
            ADD_FAILURE() << what << " was taken";
        } catch (const EInvalidWave &error) {
            EXPECT_TRUE(error.Message().startsWith("TStyWave: ") ||
                        error.Message().startsWith("GetWaveData: "))
                << what;
        }
        EXPECT_EQ(wave.Data(), good) << what;
        EXPECT_EQ(changes, 0) << what;
    }
}

TEST_F(StyWave, DesignDataAssignAndFilesRoundTrip)
{
    const QByteArray sound = MakeWave(QByteArray(64, '\x20'));
    TStyWave wave;
    EXPECT_FALSE(WriteDesign(wave).Has("Data")) << "a wave without data stores nothing";
    LoadBytes(wave, sound);

    const TStyDesign design = WriteDesign(wave);
    EXPECT_EQ(design.Value("Data").toByteArray(), Sized(sound));
    TStyWave read;
    ReadDesign(read, design);
    EXPECT_EQ(read.Data(), sound);

    TStyWave copy;
    int changes = 0;
    copy.OnChange = [&changes](TStyObject *) { ++changes; };
    copy.Assign(wave);
    copy.Assign(copy);
    EXPECT_EQ(copy.Data(), sound);
    EXPECT_EQ(changes, 1);

    QBuffer sized;
    sized.open(QIODevice::ReadWrite);
    wave.WriteData(sized);
    EXPECT_EQ(sized.data(), Sized(sound));
    sized.seek(0);
    TStyWave fromSized;
    fromSized.ReadData(sized);
    EXPECT_EQ(fromSized.Data(), sound);

    QTemporaryDir folder;
    const QString file = folder.filePath("ding.wav");
    wave.SaveToFile(file);
    EXPECT_EQ(TStyWave::CreateFromFile(file)->Data(), sound);
    EXPECT_THROW(TStyWave::CreateFromFile(folder.filePath("missing.wav")), EInOutError);

    recorder->calls.clear();
    {
        TStyWave goingAway;
    }
    EXPECT_EQ(recorder->calls, QStringList{"stop"}) << "a wave that goes stops the sound";
}

} // namespace
