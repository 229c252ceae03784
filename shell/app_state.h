#pragma once
// Pending actions and the activity switch. Menus and dialogs never restart an activity
// themselves: they post a request in PendingAction, and the main window's next activation hands
// it to ChangeAppState. The same dispatcher minimises the program and ends it.
#include "forms/lang.h"
#include "shell/user_set.h" // LessonCode

#include <cstdint>

enum PendingActionCode : int16_t {
    paShowActivity = 0, // start the current activity afresh
    paResume = 1,       // come back to the current activity
    paMinimise = 2,
    paTerminate = 3,
    paNone = 4,
};

extern int16_t PendingAction;    // one-slot mailbox; 4 once the dispatcher has run
extern forms::Flag AppMinimised; // True while minimised by action 2

// Acts on action (read, never written) and leaves PendingAction at 4.
void ChangeAppState(const int16_t& action);
void SelectLesson(const int16_t& lesson);
void CloseCurrentLesson();
void DisableMainForm();
void EnableMainForm();
