// The coin puzzle as the shell calls it. Placeholders until the coin puzzle is built.
#include "puzzle/puzzle.h"
#include "shell/placeholder_log.h"

#include <string>

forms::Flag PuzShuffling = forms::vbFalse;
int32_t PuzColorNormal = 0;
int32_t PuzColorCorrect = 0xFFFF;

void StartPuzzle() {
    PlaceholderCalls().push_back("StartPuzzle");
}
void HidePuzzle() {
    PlaceholderCalls().push_back("HidePuzzle");
}
void CoinMouseMove(int16_t index, int16_t, int16_t, float, float) {
    PlaceholderCalls().push_back("CoinMouseMove " + std::to_string(index));
}
void CoinMouseUp(int16_t index, int16_t, int16_t, float, float, forms::Flag counted) {
    PlaceholderCalls().push_back("CoinMouseUp " + std::to_string(index) + " " +
                                 forms::FlagText(counted));
}
void PuzMenuMouseDown(int16_t index) {
    PlaceholderCalls().push_back("PuzMenuMouseDown " + std::to_string(index));
}
void PuzMenuHover(int16_t index) {
    PlaceholderCalls().push_back("PuzMenuHover " + std::to_string(index));
}
void PuzMenuMouseUp(int16_t index) {
    PlaceholderCalls().push_back("PuzMenuMouseUp " + std::to_string(index));
}
void PuzMenuUnhover() {
    PlaceholderCalls().push_back("PuzMenuUnhover");
}
void PuzzleClockTick() {
    PlaceholderCalls().push_back("PuzzleClockTick");
}
void FitCoinLabels() {
    PlaceholderCalls().push_back("FitCoinLabels");
}
void ColourCoinsLevelII() {
    PlaceholderCalls().push_back("ColourCoinsLevelII");
}
