#pragma once
// The options dialog over a started program: opened as the Options button opens it, its buttons
// pressed, and the settings file read back.
#include "options/frm_options.h"
#include "tests/shell/shell_fixture.h"

#include <string>

enum { kDefaults = 0, kApply = 1, kOK = 2, kCancel = 3 };
enum { tabGeneral = 1, tabMenuButtons, tabDrawing, tabColors, tabAnimation, tabSpeaking };

class OptionsTest : public ShellTest {
  protected:
    // The program started, the options password off, the dialog opened as the Options button
    // opens it.
    void Open(int tab = tabGeneral) {
        StartAndShow();
        Settings.PWOptions = forms::vbFalse;
        ShowOptionsDialog();
        h.Pump();
        ASSERT_TRUE(OptionsShown());
        O().Tabs_Options.SetSelectedItem(tab);
    }
    FrmOptionsForm& O() { return *OptionsForm; }
    void Press(int button) {
        O().OptCmd_Commands_Click(static_cast<int16_t>(button));
        h.Pump();
    }
    // The settings sections as the file on disk holds them.
    UserSet FromFile() {
        EXPECT_EQ(ReadSettingsFile(), forms::vbTrue);
        UserSet rec;
        SectionPassWord(umRead, rec, rec);
        SectionBGFormOptions(umRead, rec, rec);
        SectionSpeakingOptions(umRead, rec, rec);
        SectionSubMenuButtons(umRead, rec, rec);
        SectionAnimationSpeed(umRead, rec, rec);
        SectionAutoPlay(umRead, rec, rec);
        SectionMenuButtons(umRead, rec, rec);
        SectionUserLevel(umRead, rec, rec);
        SectionAlphabetType(umRead, rec, rec);
        SectionMusic(umRead, rec, rec);
        SectionStartEnd(umRead, rec, rec);
        SectionLessonInfo(umRead, rec, rec);
        SectionAlphabetColors(umRead, rec, rec);
        SectionBackGroundColor(umRead, rec, rec);
        SectionWordColors(umRead, rec, rec);
        SectionLabelColors(umRead, rec, rec);
        SectionAllowColorChanging(umRead, rec, rec);
        SectionBGFormColors(umRead, rec, rec);
        return rec;
    }
    std::string LastPrompt() const {
        return h.MsgBoxes().empty() ? std::string() : h.MsgBoxes().back().prompt;
    }
};
