#pragma once
// The coin puzzle as the shell and the main window call it.
#include "puzzle/coin_board.h"
#include "puzzle/coin_moves.h"
#include "puzzle/puzzle_clock.h"
#include "puzzle/puzzle_menu.h"
#include "puzzle/puzzle_screen.h"
