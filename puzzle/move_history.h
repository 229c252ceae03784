#pragma once
// The history of the last ten boards, through which the back and forward buttons step. Entry 0
// always holds the board on screen; entries 1..PuzHistCount the boards of the game, 1 the newest.
#include "forms/errors.h"
#include "forms/lang.h"

#include <cstdint>
#include <string>

using BoardCaptions = forms::Array<forms::Array<std::string, 0, 6>, 0, 3>;

extern forms::Array<BoardCaptions, 0, 10> PuzHistory;
// Beside each board: whether its last coin had been clicked home (PuzLastCoinSent).
extern forms::Array<forms::Flag, 0, 10> PuzHistLastSent;
extern int16_t PuzHistPos;   // the entry shown, 1 when the child has not stepped back
extern int16_t PuzHistCount; // boards kept, 1..10

void SaveBoardToHistory();
void RestoreBoardFromHistory(int16_t entry);
void PushHistory();
void DropHistoryAhead(int16_t pos);
void RecordMove();
void ClearHistory();
void HistoryBack();
void HistoryForward();
// Shows the board of PuzHistPos after a step back or forward.
void ShowHistoryStep();
