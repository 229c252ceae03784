#pragma once
// The puzzle menu's three buttons: 0 back, 1 forward, 2 new game. Each shows its normal, hovered
// or pressed picture and says its name when the pointer comes onto it.
#include <cstdint>

void PuzMenuHover(int16_t index);
void PuzMenuMouseDown(int16_t index);
void PuzMenuMouseUp(int16_t index);
void PuzMenuUnhover();
// Gives button i its picture: 0 normal, 1 hovered, 2 pressed.
void SetPuzMenuPicture(int16_t index, int16_t look);
