#pragma once
// The puzzle screen on the main window: the skin, the pink panel with the coin board and the menu
// buttons (back, forward, new game), and the clock panel above it.
void InitPuzzleScreen();
void HidePuzzle();
void LoadPuzzleSkin();
void SetBoardHolderGeometry();
void InitPuzzleMenuButtons();
void InitClockPanel();
void SetCoinFonts();
void LayoutCoinImages();
void LayoutCoinBoard(double gapX, double gapY);
void FitCoinLabels();
