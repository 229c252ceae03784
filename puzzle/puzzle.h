#pragma once
// The coin puzzle as the shell, the main window and the colour picker call it.
#include "puzzle/coin_board.h"
#include "puzzle/coin_moves.h"
#include "puzzle/puzzle_clock.h"
#include "puzzle/puzzle_menu.h"
#include "puzzle/puzzle_screen.h"
