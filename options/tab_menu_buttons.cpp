// The options dialog's Menu Buttons tab: what the working copy takes from the live settings.
// The music menu follows the working copy's instrument while the dialog is active, so it must
// hold the live one from the start.
#include "options/frm_options.h"
#include "shell/user_set.h"

void FrmOptionsForm::MBLoadTab() {
    MBReadSettings();
    MBDisplayTab(MBButtonIndex);
}

void FrmOptionsForm::MBReadSettings() {
    SectionMenuButtons(umCopy, OptSettings, Settings);
    SectionUserLevel(umCopy, OptSettings, Settings);
    SectionAlphabetType(umCopy, OptSettings, Settings);
    SectionMusic(umCopy, OptSettings, Settings);
    SectionStartEnd(umCopy, OptSettings, Settings);
    SectionLessonInfo(umCopy, OptSettings, Settings);
}
