// Tracing features that the tracing engine, the animation and the tracing screen call before they
// are built.
#include "shell/user_set.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"

// --- Progress marks. Placeholder until progress marks and level completion are built: the
// tables, and the two readers and the level reset in their plain form.
AlphaDoneTable AlphaDone{};
forms::Array<forms::Array<forms::Flag, 0, 2>, 0, 3> LevelDone{};
forms::Array<forms::Flag, 0, 29> AlphaEnabled{};

forms::Flag IsAlphaDone(forms::Flag useIndex, int16_t index) {
    return AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(useIndex ? index : CurAlphaIdx);
}

forms::Flag IsCurrentAlphaDone() {
    return AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(CurAlphaIdx);
}

void SetLevelDone(int16_t type, int16_t level) {
    for (int i = 0; i <= 29; ++i)
        AlphaDone(type)(level)(i) = forms::vbFalse;
    LevelDone(type)(level) = forms::vbFalse;
}

// Placeholder until progress marks and level completion are built: no mark, no completion
// dialog, no auto-play wait.
void AfterAlphaTraced(forms::Flag, int16_t, int16_t, forms::Flag) {}
