#pragma once
// A program folder for the shell's tests: the built media linked in, the font files and the
// default settings file copied (start-up writes beside them), the Windows folder inside it, and
// the shell's state as a fresh process has it. The runtime is the headless one.
#include "forms/font_registry.h"
#include "forms/forms.h"
#include "forms/msgbox.h"
#include "options/options_dialog.h"
#include "puzzle/puzzle.h"
#include "shell/app_state.h"
#include "shell/background_form.h"
#include "shell/debug_log.h"
#include "shell/forms_list.h"
#include "shell/frm_main.h"
#include "shell/menu_buttons.h"
#include "shell/password_dialog.h"
#include "shell/settings_file.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tests/support/fresh_run.h"
#include "tests/support/headless.h"
#include "tests/support/temp_program_folder.h"
#include "tracing/animation.h"
#include "tracing/colour_picker.h"
#include "tracing/label_strip.h"
#include "tracing/trace_router.h"
#include "tracing/trace_screen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path app(WO_APP_DIR), dir(folder.Path());
        for (const char* sub : {"Sounds", "Images", "Music"})
            fs::create_directory_symlink(app / sub, dir / sub);
        fs::create_directory(dir / "Fonts");
        for (const char* font : {"VAGRON", "VAGROLN", "WINGDNG2"})
            fs::copy_file(app / "Fonts" / font, dir / "Fonts" / font);
        fs::copy_file(app / "WiseOwlet.Dbf", dir / "WiseOwlet.Dbf");
        winDir = folder.Path() + "/Windows";
        setenv("WO_WINDOWS_DIR", winDir.c_str(), 1);
        forms::SetProgramFolder(folder.Path());
        forms::FontRegistry::Instance().Reset();

        testsupport::ResetProgramState();
    }
    void TearDown() override {
        unsetenv("WO_WINDOWS_DIR");
        forms::SetProgramFolder("");
        forms::FontRegistry::Instance().Reset();
    }

    // Creates the main window, which runs the start-up; false when the program ended there.
    bool Start() {
        try {
            FrmMain.Get();
        } catch (const forms::EndSignal&) {
            return false;
        }
        return true;
    }
    // Start-up, then the main window shown and activated.
    void StartAndShow() {
        ASSERT_TRUE(Start()) << (h.MsgBoxes().empty() ? "" : h.MsgBoxes().back().prompt);
        FrmMain->Show();
        h.Pump();
    }
    // Rewrites the settings file from the defaults as change leaves them.
    template <class Change> void WriteSettings(Change change) {
        UserSet rec;
        ProcessAllSections(umDefaults, rec, rec);
        change(rec);
        IniText.clear();
        ProcessAllSections(umWrite, rec, rec);
        WriteSettingsFile(IniText, folder.File("WiseOwlet.Dbf"));
        IniText.clear();
    }
    // Takes one media file (a path under the program folder, '/'-separated, any case) out of
    // the folder: its top folder becomes a real tree of links to the built media, less that file.
    void HideMedia(const std::string& path) {
        namespace fs = std::filesystem;
        const std::string top = path.substr(0, path.find('/'));
        const fs::path app(WO_APP_DIR), dir(folder.Path());
        if (fs::is_symlink(dir / top)) {
            fs::remove(dir / top);
            fs::create_directories(dir / top);
            for (auto it = fs::recursive_directory_iterator(app / top);
                 it != fs::recursive_directory_iterator(); ++it) {
                const fs::path to = dir / top / it->path().lexically_relative(app / top);
                if (it->is_directory())
                    fs::create_directories(to);
                else
                    fs::create_symlink(it->path(), to);
            }
        }
        for (const auto& e : fs::recursive_directory_iterator(dir / top)) {
            const std::string rel = e.path().lexically_relative(dir).generic_string();
            if (forms::UCase(rel) == forms::UCase(path)) {
                fs::remove(e.path());
                return;
            }
        }
    }
    // The options dialog has been opened and is on screen.
    static bool OptionsShown() { return OptionsForm != nullptr && OptionsForm->Visible(); }
    bool InWindows(const std::string& name) const {
        return std::filesystem::exists(winDir + "/Fonts/" + name);
    }

    testsupport::Headless h{1024, 768};
    wotest::TempProgramFolder folder{"wo_shell"};
    std::string winDir;
};
