#pragma once
// The main window's two rows of picture buttons: the menu row (options, lessons, music, level,
// alphabet type) and the drawing row (next, previous, prompt, demonstration). Each button shows
// its normal, highlighted (pointer over it) or pressed picture from its image list.
#include "forms/lang.h"

#include <cstdint>

// Menu-row buttons, by their index in TRCImg_Menu.
enum MenuIndexCode : int16_t {
    mnOptions = 0,
    mnChoice = 1, // the lesson menu
    mnMusic = 2,
    mnLevel = 3,
    mnAlphaType = 4,
};
// Drawing-row buttons, by their index in TRCImg_SubMenu.
enum SubMenuIndexCode : int16_t {
    smNext = 0,
    smPrevious = 1,
    smPrompt = 2,
    smDemo = 3,
};

// The highlighted button of each row, -9997 for none.
extern int16_t MenuHL;
extern int16_t SubMenuHL;

void ApplyMenuButtons();
void LoadMenuImages();
void ArrangeMenuButtons();
void ApplySubMenuButtons();
void LoadSubMenuImages();
// True lays the drawing row out (the caller shows it); False only hides it.
void ArrangeSubMenuButtons(forms::Flag visible);
void MenuMouseDown(int16_t index);
void MenuMouseMove(int16_t index);
void MenuMouseUp(int16_t index, int16_t button);
void SubMenuMouseDown(int16_t index, int16_t button, int16_t shift, float x, float y);
void SubMenuMouseMove(int16_t index);
void SubMenuMouseUp(int16_t index, int16_t button, int16_t shift, float x, float y);
void MenuUnhighlight();
void SubMenuUnhighlight();
