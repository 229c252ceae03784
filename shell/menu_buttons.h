#pragma once
// The main window's two rows of picture buttons: the menu row (options, lessons, music, level,
// alphabet type) and the drawing row (next, previous, prompt, demonstration).
#include "forms/lang.h"

#include <cstdint>

void ApplyMenuButtons();
void ApplySubMenuButtons();
void ArrangeSubMenuButtons(forms::Flag visible);
void MenuMouseDown(int16_t index);
void MenuMouseMove(int16_t index);
void MenuMouseUp(int16_t index, int16_t button);
void SubMenuMouseDown(int16_t index, int16_t button, int16_t shift, float x, float y);
void SubMenuMouseMove(int16_t index);
void SubMenuMouseUp(int16_t index, int16_t button, int16_t shift, float x, float y);
void MenuUnhighlight();
void SubMenuUnhighlight();
