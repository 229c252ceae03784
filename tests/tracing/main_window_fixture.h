#pragma once
// The program started headless in a program folder of its own (default settings, stand-in fonts
// and the tracing skin), so that the tracing screen and the lesson run on the real main window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/canvas.h"
#include "forms/clock.h"
#include "forms/files.h"
#include "forms/font_registry.h"
#include "forms/msgbox.h"
#include "forms/screen.h"
#include "shell/frm_main.h"
#include "shell/settings_file.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tests/support/fresh_run.h"
#include "tests/support/temp_program_folder.h"
#include "tracing/animation.h"
#include "tracing/label_strip.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_screen.h"

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        windows_ = std::make_unique<wotest::TempProgramFolder>("trace-win");
        folder_ = std::make_unique<wotest::TempProgramFolder>("trace-app");
        setenv("WO_WINDOWS_DIR", windows_->Path().c_str(), 1);
        forms::MakeFolder(windows_->File("Fonts"));
        forms::MakeFolder(folder_->File("Fonts"));
        forms::MakeFolder(folder_->File("Images"));
        forms::MakeFolder(folder_->File("Images/App"));
        // Any TrueType file serves: the faces the program asks for then fall back to "Arial".
        const std::vector<uint8_t> bytes =
            forms::ReadAllBytes("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf");
        const std::string font(bytes.begin(), bytes.end());
        for (const char* name : {"VAGRON", "VAGROLN", "WINGDNG2"})
            folder_->Write(std::string("Fonts/") + name, font);
        forms::SavePicture(forms::Canvas(616, 458, forms::RGB(255, 232, 214)),
                           folder_->File("Images/App/TrcSkin.jpg"));
        forms::SetProgramFolder(folder_->Path());
        forms::FontRegistry::Instance().Reset();

        ProcessAllSections(umDefaults, Settings, Settings);
        Settings.BGFormOpt = 3; // no background form: the folder has no letter pictures
        IniText = "";
        ProcessAllSections(umWrite, Settings, Settings);
        WriteSettingsFile(IniText, folder_->File("WiseOwlet.Dbf"));

        clock_ = std::make_shared<forms::VirtualClock>(1000);
        forms::SetClock(clock_);
        forms::ScreenOptions options;
        options.windowed = true;
        forms::Application::Start(options);
        forms::Application::SetErrorPolicy(forms::ErrorPolicy::Propagate);
        forms::SetMsgBoxResponder([](const forms::MsgBoxRecord& box) -> int {
            throw std::runtime_error("unexpected message box: " + box.prompt);
        });

        // A fresh run: nothing laid out yet, no progress.
        const UserSet written = Settings;
        testsupport::ResetProgramState();
        Settings = written;
        FrmMain.Get();
        // Tile templates that tell the tiles apart (51 x 51 like the program's).
        const int32_t colours[] = {forms::RGB(150, 175, 255), forms::RGB(255, 153, 0),
                                   forms::RGB(255, 100, 200), forms::RGB(153, 153, 153)};
        for (int i = 0; i < 4; ++i)
            FrmMain->AT_Image_AlphaBG(30 + i).SetPicture(
                forms::MakePicture(forms::Canvas(51, 51, colours[i])));
        Settings.AutoPlay = forms::vbFalse;
    }

    void TearDown() override {
        if (TraceAnim.AnimTimer != nullptr) TraceAnim.AnimTimer->SetEnabled(false);
        TraceAnim.AnimTimer = nullptr;
        MMTimer = nullptr; // the main window and its timers go with the runtime
        for (AlphaData* rec : {&AlphaCur, &AlphaCur2})
            rec->Board = nullptr;
        forms::SetMsgBoxResponder(nullptr);
        forms::Application::Shutdown();
        forms::SetClock(nullptr);
        forms::SetProgramFolder("");
        forms::FontRegistry::Instance().Reset();
        unsetenv("WO_WINDOWS_DIR");
    }

    // The captions the label strip gives each alphabet type.
    static void FillCaptions(int16_t type) {
        for (int i = 0; i <= 29; ++i) {
            std::string caption;
            if (type == 3)
                caption = std::to_string(i + 1);
            else if (i <= 25) {
                const char capital = static_cast<char>('A' + i);
                const char small = static_cast<char>('a' + i);
                caption = type == 0   ? std::string(1, capital)
                          : type == 1 ? std::string(1, small)
                                      : std::string{capital, small};
            }
            FrmMain->Label_Alpha(i).SetCaption(caption);
        }
    }

    std::unique_ptr<wotest::TempProgramFolder> windows_;
    std::unique_ptr<wotest::TempProgramFolder> folder_;
    std::shared_ptr<forms::VirtualClock> clock_;
};
