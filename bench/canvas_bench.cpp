#include "forms/canvas.h"
#include "forms/text.h"

#include <benchmark/benchmark.h>

// One stroke segment of the tracing board: a track-width pen over about 100 pixels.
static void BM_ThickLineSegment(benchmark::State& state) {
    forms::Canvas board(616, 458, 0xFFFFFF);
    double shift = 0;
    for (auto _ : state) {
        board.Line(200 + shift, 150, 280 + shift, 210, 18, 0x0000FF);
        shift = shift > 100 ? 0 : shift + 1;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ThickLineSegment);

// The round dot that starts every stroke.
static void BM_Dot(benchmark::State& state) {
    forms::Canvas board(616, 458, 0xFFFFFF);
    for (auto _ : state) {
        board.Dot(300, 200, 12, 0x0000FF);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Dot);

// Compositing a whole virtual screen.
static void BM_FullScreenBlit(benchmark::State& state) {
    forms::Canvas screen(1024, 768, 0), form(1024, 768, 0x336699);
    for (auto _ : state) {
        screen.Blit(form, forms::IRect{0, 0, 1024, 768}, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 1024 * 768 * 4);
}
BENCHMARK(BM_FullScreenBlit);

// A letter picture of the background frame, shrunk smoothly.
static void BM_ScaledBlit(benchmark::State& state) {
    forms::Canvas screen(1024, 768, 0), picture(400, 300, 0x336699);
    for (auto _ : state) {
        screen.BlitScaled(picture, forms::IRect{10, 10, 120, 90});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScaledBlit);

// A label's caption, drawn again on a repaint.
static void BM_DrawText(benchmark::State& state) {
    forms::Canvas screen(400, 100, 0xFFFFFF);
    forms::FontSpec font{"Arial", 24, true};
    for (auto _ : state) {
        forms::DrawText(screen, 10, 10, font, "Apple", 0x000000);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawText);
