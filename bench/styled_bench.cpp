// The block compressor of the styled controls' stored bitmaps and sounds on 64 MB of text, runs
// and random bytes, beside zlib at its fastest level (qCompress level 1 / qUncompress) on the
// same bytes in the same run: the compressor is to be no slower.
#include "controls/styled/sty_streams.h"
#include "wall_timer.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdio>
#include <random>

namespace {

constexpr qsizetype SourceSize = 64 * 1024 * 1024;

enum Kind
{
    Text,
    Runs,
    Random
};
const char *const KindNames[] = {"text", "runs", "random"};

QByteArray Source(Kind kind)
{
    std::mt19937 generator(42);
    QByteArray bytes;
    bytes.reserve(SourceSize);
    const char *words[] = {"ΟΛΥΜΠΙΑΚΟΣ ",    "ΠΑΝΑΘΗΝΑΪΚΟΣ ",  "2-1 ",          "Caption=\"Αποθήκευση\" ",
                           "Glyph.Data\r\n", "Αγωνιστική 12 ", "TStyGroupBox ", "0,0,75,25 "};
    while (bytes.size() < SourceSize) {
        switch (kind) {
        case Text:
            bytes += QByteArray(words[generator() % 8]);
            break;
        case Runs:
            bytes += QByteArray(int(1 + generator() % 300), char(generator() % 4 * 60));
            break;
        case Random:
            for (int i = 0; i < 1024; ++i)
                bytes += char(generator());
            break;
        }
    }
    bytes.truncate(SourceSize);
    return bytes;
}

const QByteArray &Sample(Kind kind)
{
    static const QByteArray samples[] = {Source(Text), Source(Runs), Source(Random)};
    return samples[kind];
}

QByteArray Compressed(const QByteArray &source)
{
    QByteArray input = source, output;
    output.reserve(source.size() + source.size() / 16 + 64);
    QBuffer in(&input), out(&output);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    tav::styled::WriteCompressed(in, out, input.size());
    return output;
}

QByteArray Expanded(const QByteArray &packed)
{
    QByteArray input = packed, output;
    output.reserve(SourceSize);
    QBuffer in(&input), out(&output);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    tav::styled::ReadCompressed(in, out);
    return output;
}

std::string Name(const char *work, Kind kind)
{
    return std::string(work) + "_" + KindNames[kind];
}

void BM_WriteCompressed(benchmark::State &state)
{
    const Kind kind = Kind(state.range(0));
    const QByteArray &source = Sample(kind);
    WallTimer timer(state, Name("Write", kind));
    for (auto _ : state)
        benchmark::DoNotOptimize(Compressed(source));
    state.SetBytesProcessed(state.iterations() * source.size());
}

void BM_QCompress1(benchmark::State &state)
{
    const Kind kind = Kind(state.range(0));
    const QByteArray &source = Sample(kind);
    WallTimer timer(state, Name("qCompress", kind));
    for (auto _ : state)
        benchmark::DoNotOptimize(qCompress(source, 1));
    state.SetBytesProcessed(state.iterations() * source.size());
}

void BM_ReadCompressed(benchmark::State &state)
{
    const Kind kind = Kind(state.range(0));
    const QByteArray packed = Compressed(Sample(kind));
    if (Expanded(packed) != Sample(kind)) {
        state.SkipWithError("the expanded bytes differ from the source");
        return;
    }
    WallTimer timer(state, Name("Read", kind));
    for (auto _ : state)
        benchmark::DoNotOptimize(Expanded(packed));
    state.SetBytesProcessed(state.iterations() * SourceSize);
}

void BM_QUncompress(benchmark::State &state)
{
    const Kind kind = Kind(state.range(0));
    const QByteArray packed = qCompress(Sample(kind), 1);
    WallTimer timer(state, Name("qUncompress", kind));
    for (auto _ : state)
        benchmark::DoNotOptimize(qUncompress(packed));
    state.SetBytesProcessed(state.iterations() * SourceSize);
}

void Kinds(benchmark::internal::Benchmark *benchmark)
{
    benchmark->DenseRange(Text, Random)->Unit(benchmark::kMillisecond)->Iterations(3);
}

BENCHMARK(BM_WriteCompressed)->Apply(Kinds);
BENCHMARK(BM_QCompress1)->Apply(Kinds);
BENCHMARK(BM_ReadCompressed)->Apply(Kinds);
BENCHMARK(BM_QUncompress)->Apply(Kinds);

void PrintSummary()
{
    std::printf("\n%-8s %-8s %12s %12s %8s\n", "work", "bytes", "ours (ms)", "zlib (ms)", "ratio");
    for (const auto &[ours, theirs] : {std::pair{"Write", "qCompress"}, std::pair{"Read", "qUncompress"}}) {
        for (Kind kind : {Text, Runs, Random}) {
            const auto mine = WallTimes().find(Name(ours, kind));
            const auto zlib = WallTimes().find(Name(theirs, kind));
            if (mine == WallTimes().end() || zlib == WallTimes().end())
                continue;
            const double ratio = mine->second / zlib->second;
            std::printf("%-8s %-8s %12.1f %12.1f %7.2fx%s\n", ours, KindNames[kind], mine->second / 1e6,
                        zlib->second / 1e6, ratio, ratio <= 1.0 ? "" : "  (slower than zlib)");
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintSummary);
}
