#pragma once

#include "controls/styled/sty_wave.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>

// Takes the place of the wave player while a test runs: it notes what it was asked to do, and
// nothing sounds.
class TWaveRecorder : public TStyWavePlayer
{
public:
    void Play(const QByteArray &wave) override { calls << "play " + QString::number(wave.size()); }
    void Stop() override { calls << "stop"; }
    QStringList calls;
};

class WithWaveRecorder : public testing::Test
{
protected:
    WithWaveRecorder()
    {
        auto owned = std::make_unique<TWaveRecorder>();
        recorder = owned.get();
        previous_ = tav::styled::ReplaceWavePlayer(std::move(owned));
    }
    ~WithWaveRecorder() override { tav::styled::ReplaceWavePlayer(std::move(previous_)); }

    TWaveRecorder *recorder;

private:
    std::unique_ptr<TStyWavePlayer> previous_;
};

// A PCM wave of the given sample bytes: 8 kHz, 8 bits, mono.
QByteArray MakeWave(const QByteArray &samples);
