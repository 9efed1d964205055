// The portable part of one tray icon redraw: working out the text and drawing the picture.
#include <benchmark/benchmark.h>

#include "display/core/IconPicture.h"

namespace orvane {
namespace {

void BM_IconTextUnchanged(benchmark::State& state) {
    OrvaneOptions o;
    MemorySnapshot s{45, 16ull << 30, 8ull << 30, 32ull << 30, 20ull << 30};
    const NumberSeparators sep;
    std::wstring last = MakeIconText(o, s, sep, 96).Drawn;
    for (auto _ : state) {
        const IconText text = MakeIconText(o, s, sep, 96);
        benchmark::DoNotOptimize(TakeRedraw(last, text.Drawn, true));
    }
}
BENCHMARK(BM_IconTextUnchanged);

void BM_DrawIconPicture(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    const int n = dpi == 144 ? 24 : dpi == 120 ? 20 : 16;
    OrvaneOptions o;
    o.ShowPercentage = true;
    MemorySnapshot s;
    DigitStrips strips;
    PixelBuffer canvas(n, n);
    PixelBuffer glyph;
    const IconColors colours = ResolveIconColors(o, true);
    std::uint32_t load = 0;
    for (auto _ : state) {
        s.MemoryLoad = load++ % 101;
        const IconText text = MakeIconText(o, s, {}, dpi);
        DrawIconPicture(canvas, o, s.MemoryLoad, text, colours, dpi, strips, glyph);
        benchmark::DoNotOptimize(canvas.Pixels().data());
    }
}
BENCHMARK(BM_DrawIconPicture)->Arg(96)->Arg(120)->Arg(144);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
