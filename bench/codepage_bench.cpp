// Converting a large results file between Unicode and the Windows Greek code page, compared
// with Qt's own Latin-1 conversion of the same number of characters (the floor for any
// byte-per-character conversion).
#include "platform/core/codepage.h"

#include <benchmark/benchmark.h>

namespace {

QString SampleText(int lines)
{
    const QString line = QString::fromUtf8("05/01/2003 ΟΛΥΜΠΙΑΚΟΣ          -ΠΑΝΑΘΗΝΑΪΚΟΣ         2 - 1\r\n");
    QString text;
    text.reserve(line.size() * lines);
    for (int i = 0; i < lines; ++i)
        text += line;
    return text;
}

void BM_EncodeWindows1253(benchmark::State &state)
{
    const QString text = SampleText(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ToCodePage(text, CodePage::Windows1253));
    state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_DecodeWindows1253(benchmark::State &state)
{
    const QByteArray bytes = ToCodePage(SampleText(static_cast<int>(state.range(0))), CodePage::Windows1253);
    for (auto _ : state)
        benchmark::DoNotOptimize(FromCodePage(bytes, CodePage::Windows1253));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_QtLatin1Baseline(benchmark::State &state)
{
    const QString text = SampleText(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(text.toLatin1());
    state.SetBytesProcessed(state.iterations() * text.size());
}

} // namespace

BENCHMARK(BM_EncodeWindows1253)->Arg(100000);
BENCHMARK(BM_DecodeWindows1253)->Arg(100000);
BENCHMARK(BM_QtLatin1Baseline)->Arg(100000);
BENCHMARK_MAIN();
