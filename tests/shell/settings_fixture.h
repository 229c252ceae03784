#pragma once
// A temporary program folder with the settings paths pointing into it and the settings, the
// debug log and the message-box log cleared before each test.
#include "forms/lang.h"
#include "forms/msgbox.h"
#include "shell/debug_log.h"
#include "shell/settings_apply.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tests/support/temp_program_folder.h"

#include <gtest/gtest.h>

class SettingsFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        AppPath = folder.Path();
        PathSettingsFile = AppPath + "\\WiseOwlet.Dbf";
        PathDebugFile = AppPath + "\\zWO.WO";
        Settings = UserSet{};
        IniText.clear();
        DebugOn = forms::vbFalse;
        DebugText.clear();
        BGFormShown = forms::vbFalse;
        SettingsLoadStatus = slLoaded;
        forms::ClearMsgBoxLog();
        forms::SetMsgBoxResponder([](const forms::MsgBoxRecord&) { return forms::vbOK; });
    }
    void TearDown() override {
        DebugOn = forms::vbFalse;
        forms::SetNowSource({});
        forms::SetMsgBoxResponder({});
    }

    // The settings text of a record, written by its sections.
    static std::string TextOf(UserSet rec) {
        IniText.clear();
        ProcessAllSections(umWrite, rec, rec);
        return IniText;
    }
    // A record holding the defaults of every section.
    static UserSet Defaults() {
        UserSet rec;
        ProcessAllSections(umDefaults, rec, rec);
        return rec;
    }

    wotest::TempProgramFolder folder{"wo_settings"};
};
