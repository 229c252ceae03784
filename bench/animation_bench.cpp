// One tick of the stroke animation on a real drawing board: a segment of the Level II stroke
// prompt of "C", with its key-point dots, as the animation timer draws it.
#include "forms/forms.h"
#include "shell/user_set.h"
#include "tracing/alpha_data.h"
#include "tracing/animation.h"
#include "tracing/trace_engine.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class BenchForm : public forms::Form {
  public:
    forms::PictureBox Board{this};
    forms::Timer Anim{this};
};

} // namespace

static void BM_StrokePromptTick(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    forms::ScreenOptions options;
    options.windowed = true;
    forms::Application::Start(options);
    BenchForm* form = forms::NewForm<BenchForm>();
    form->Board.Move(0, 0, 259, 175);
    Settings.UserLevel = 1;
    AlphaCur = AlphaData{};
    InitDrawStyle(AlphaCur, Settings);
    AlphaCur.Board = &form->Board;
    AlphaCur.Alpha = "C";
    AlphaCur.BaseDivisor = 1.2f;
    AlphaCur.NumAlphasCopy = 1;
    NumAlphas = 1;
    CurAlphaNo = 1;
    InitAlphaData(AlphaCur, AlphaCur2);
    TraceAnim = TraceData{};
    TraceAnim.AnimTimer = &form->Anim;
    DrawAlphaForTrace();
    for (auto _ : state) {
        if (!AnimTimerRunning()) DrawAlphaForTrace();
        AnimationTimerTick();
    }
    TraceAnim.AnimTimer = nullptr;
    AlphaCur.Board = nullptr;
    forms::Application::Shutdown();
}
BENCHMARK(BM_StrokePromptTick);
