#pragma once
// Progress marks and level completion: which characters are finished, per alphabet type and level,
// for the run; which lie inside the lesson range; the hand-off after a finished character.
#include <cstdint>

#include "forms/errors.h"
#include "forms/lang.h"

using AlphaDoneTable = forms::Array<forms::Array<forms::Array<forms::Flag, 0, 29>, 0, 2>, 0, 3>;
extern AlphaDoneTable AlphaDone; // (alphabet type, level, character index)
extern forms::Array<forms::Array<forms::Flag, 0, 2>, 0, 3> LevelDone; // (type, level)
extern forms::Array<forms::Flag, 0, 29> AlphaEnabled; // the label lies inside the lesson range
// A level was completed by the last check and the strip has not been refreshed for it yet.
extern forms::Flag LevelJustDone;

// Done at the current type and level: the given index, or the current character.
forms::Flag IsAlphaDone(forms::Flag useIndex, int16_t index);
forms::Flag IsCurrentAlphaDone();
// Every character of the lesson range done at the type and level (an empty range counts as done).
forms::Flag AllAlphasDone(int16_t type, int16_t level);
// Clears every done mark of the type and level, and its completion.
void SetLevelDone(int16_t type, int16_t level);
// Marks the current character done; when that completes the level, shows the completion dialog
// and waits for it to close. True when it has just completed the level.
forms::Flag CheckLevelCompleted();
// CheckLevelCompleted, then, after a completion, the strip refreshed and the character shown again.
void OnAlphaDone();
// After a character or a traced step: mark it done (checkLevel), then wait and move on with auto
// play. code 500: the auto-play wait has ended. delay: ms added to the auto-play pause. now: move
// on at once instead of waiting.
void AfterAlphaTraced(forms::Flag checkLevel, int16_t code, int16_t delay, forms::Flag now);
