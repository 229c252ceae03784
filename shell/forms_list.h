#pragma once
// The program's other forms. Each has one default instance, created on first use; the end of the
// program unloads them in a fixed order. Their screens and handlers arrive with their features;
// until then each is a bare form of its name.
#include "forms/forms.h"

// Placeholder until the password dialog is built.
class FrmPassWordForm : public forms::Form {};
// Placeholder until the completion dialog is built.
class FrmCompletionForm : public forms::Form {};
// Placeholder until the background form is built.
class FrmBackGroundForm : public forms::Form {};
// Placeholder until the general-purpose form is built.
class FrmGeneralForm : public forms::Form {};
// Placeholder until the pop-up menus are built.
class FrmMenuAlphaForm : public forms::Form {};
// Placeholder until the pop-up menus are built.
class FrmMenuLevelForm : public forms::Form {};
// Placeholder until the music menu is built.
class FrmMenuMusicForm : public forms::Form {};
// Placeholder until the pop-up menus are built.
class FrmMenuLessonsForm : public forms::Form {};
// Placeholder until the options dialog is built.
class FrmOptionsForm : public forms::Form {};

inline forms::DefaultInstance<FrmPassWordForm> FrmPassWord;
inline forms::DefaultInstance<FrmCompletionForm> FrmCompletion;
inline forms::DefaultInstance<FrmBackGroundForm> FrmBackGround;
inline forms::DefaultInstance<FrmGeneralForm> FrmGeneral;
inline forms::DefaultInstance<FrmMenuAlphaForm> FrmMenuAlpha;
inline forms::DefaultInstance<FrmMenuLevelForm> FrmMenuLevel;
inline forms::DefaultInstance<FrmMenuMusicForm> FrmMenuMusic;
inline forms::DefaultInstance<FrmMenuLessonsForm> FrmMenuLessons;
inline forms::DefaultInstance<FrmOptionsForm> FrmOptions;
