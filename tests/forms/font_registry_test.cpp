#include "forms/errors.h"
#include "forms/files.h"
#include "forms/font_registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

using forms::FontRegistry;

namespace {

constexpr const char* kSerif = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf";
constexpr const char* kSerifBold = "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf";

// Sets an environment variable for the life of the object, then puts it back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

class FontRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FontRegistry::Instance().Reset();
        char tmpl[] = "/tmp/wo_fonts_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override {
        FontRegistry::Instance().Reset();
        std::system(("rm -rf '" + dir_ + "'").c_str());
    }
    // A copy of a Debian font under a name of the program's kind, without an extension.
    std::string CopyFont(const char* from, const std::string& name) {
        std::string to = dir_ + "/" + name;
        forms::CopyFile(from, to);
        return to;
    }
    std::string dir_;
};

} // namespace

TEST_F(FontRegistryTest, ArialIsAlwaysThere) {
    EXPECT_EQ(forms::ScreenFontCount(), 1);
    EXPECT_EQ(forms::ScreenFontName(0), "Arial");
    EXPECT_TRUE(FontRegistry::Instance().HasFace("ARIAL"));
    EXPECT_TRUE(FontRegistry::Instance().HasBoldFile("arial"));
    EXPECT_TRUE(forms::FileExists(FontRegistry::Instance().FileFor("Arial", false)));
    EXPECT_NE(FontRegistry::Instance().FileFor("Arial", true),
              FontRegistry::Instance().FileFor("Arial", false));
    // A missing face is served by Arial's file.
    EXPECT_FALSE(FontRegistry::Instance().HasFace("VAGRounded BT"));
    EXPECT_EQ(FontRegistry::Instance().FileFor("VAGRounded BT", true),
              FontRegistry::Instance().FileFor("Arial", true));
    for (int bad : {-1, 1}) {
        try {
            forms::ScreenFontName(bad);
            ADD_FAILURE() << bad;
        } catch (const forms::RuntimeError& e) {
            EXPECT_EQ(e.Number(), 9);
        }
    }
}

TEST_F(FontRegistryTest, AddsFacesByTheirFamilyNamesWithoutRegardToCase) {
    std::string regular = CopyFont(kSerif, "VAGRON");
    EXPECT_EQ(FontRegistry::Instance().AddFontFile(regular), 1);
    FontRegistry& reg = FontRegistry::Instance();
    EXPECT_TRUE(reg.HasFace("Liberation Serif"));
    EXPECT_TRUE(reg.HasFace("LIBERATION SERIF"));
    EXPECT_TRUE(reg.HasFace("liberation serif"));
    EXPECT_EQ(reg.FileFor("LIBERATION serif", false), regular);
    EXPECT_EQ(reg.FileFor("Liberation Serif", true), regular); // no bold file: emboldened later
    EXPECT_FALSE(reg.HasBoldFile("Liberation Serif"));
    // The bold file of the family joins the same face.
    std::string bold = CopyFont(kSerifBold, "VAGROB");
    EXPECT_EQ(reg.AddFontFile(bold), 1);
    EXPECT_EQ(reg.FileFor("liberation serif", true), bold);
    EXPECT_EQ(reg.FileFor("liberation serif", false), regular);
    EXPECT_EQ(reg.Faces(), (std::vector<std::string>{"Arial", "Liberation Serif"}));
    EXPECT_EQ(forms::ScreenFontCount(), 2);
    EXPECT_EQ(forms::ScreenFontName(1), "Liberation Serif");
}

TEST_F(FontRegistryTest, FilesThatAreNoFontsAddNothing) {
    std::ofstream(dir_ + "/fake.ttf") << "not a font";
    EXPECT_EQ(FontRegistry::Instance().AddFontFile(dir_ + "/fake.ttf"), 0);
    EXPECT_EQ(FontRegistry::Instance().AddFontFile(dir_ + "/missing.ttf"), 0);
    EXPECT_EQ(forms::ScreenFontCount(), 1);
}

TEST_F(FontRegistryTest, WindowsFolderComesFromTheOverrideOrTheDataHome) {
    {
        ScopedEnv over("WO_WINDOWS_DIR", (dir_ + "/win/").c_str());
        EXPECT_EQ(forms::GetWindowsDirectory(), dir_ + "/win");
        EXPECT_TRUE(forms::FolderExists(dir_ + "/win/Fonts"));
    }
    {
        ScopedEnv over("WO_WINDOWS_DIR", nullptr);
        ScopedEnv xdg("XDG_DATA_HOME", (dir_ + "/data").c_str());
        EXPECT_EQ(forms::GetWindowsDirectory(), dir_ + "/data/WiseOwlet/Windows");
        EXPECT_TRUE(forms::FolderExists(dir_ + "/data/WiseOwlet/Windows/Fonts"));
    }
    {
        ScopedEnv over("WO_WINDOWS_DIR", nullptr);
        ScopedEnv xdg("XDG_DATA_HOME", nullptr);
        ScopedEnv home("HOME", (dir_ + "/home").c_str());
        EXPECT_EQ(forms::GetWindowsDirectory(), dir_ + "/home/.local/share/WiseOwlet/Windows");
    }
    {
        std::ofstream(dir_ + "/file") << "x"; // a file where the folder should be
        ScopedEnv over("WO_WINDOWS_DIR", (dir_ + "/file/win").c_str());
        EXPECT_EQ(forms::GetWindowsDirectory(), "");
    }
}

// The installation's road: copy the font into the Windows font folder, make its resource file in
// the program's font folder (paths ending in a NUL, backslashes), add it.
TEST_F(FontRegistryTest, ResourceFilesInstallTheirFonts) {
    ScopedEnv over("WO_WINDOWS_DIR", (dir_ + "/win").c_str());
    std::string win = forms::GetWindowsDirectory();
    forms::MakeFolder(dir_ + "/app/Fonts");
    forms::CopyFile(kSerif, win + "\\Fonts\\VAGRON.TTF");
    std::string fot = dir_ + "/app\\Fonts\\VAGRON.FOT" + std::string(1, '\0');
    std::string ttf = win + "\\Fonts\\VAGRON.TTF" + std::string(1, '\0');
    EXPECT_EQ(forms::CreateScalableFontResource(0, fot, ttf, std::string(1, '\0')), 1);
    EXPECT_TRUE(forms::FileExists(dir_ + "/app/Fonts/VAGRON.FOT"));
    EXPECT_FALSE(FontRegistry::Instance().HasFace("Liberation Serif")); // not yet added
    EXPECT_EQ(forms::AddFontResource(fot), 1);
    EXPECT_TRUE(FontRegistry::Instance().HasFace("liberation serif"));
    EXPECT_EQ(forms::ScreenFontCount(), 2);

    // A bare name is found in the current path.
    EXPECT_EQ(forms::CreateScalableFontResource(0, dir_ + "/app/Fonts/B.FOT", "vagron.ttf",
                                                win + "/Fonts"),
              1);
    EXPECT_EQ(forms::AddFontResource(dir_ + "/app/Fonts/b.fot"), 1);
    // A font file given directly is taken too.
    EXPECT_EQ(forms::AddFontResource(win + "/Fonts/VAGRON.TTF"), 1);
}

TEST_F(FontRegistryTest, ResourceCallsFailCleanly) {
    forms::MakeFolder(dir_ + "/Fonts");
    std::ofstream(dir_ + "/Fonts/FAKE.TTF") << "not a font";
    const std::string fot = dir_ + "/Fonts/X.FOT";
    // A missing TrueType file, one that is no font, a folder that cannot take the resource.
    EXPECT_EQ(forms::CreateScalableFontResource(0, fot, dir_ + "/Fonts/NONE.TTF", ""), 0);
    EXPECT_EQ(forms::CreateScalableFontResource(0, fot, dir_ + "/Fonts/FAKE.TTF", ""), 0);
    EXPECT_FALSE(forms::FileExists(fot));
    EXPECT_EQ(forms::CreateScalableFontResource(0, dir_ + "/none/X.FOT", kSerif, ""), 0);
    EXPECT_EQ(forms::CreateScalableFontResource(0, "", kSerif, ""), 0);
    // Adding: no resource file, a resource whose font has gone, a file that is neither.
    EXPECT_EQ(forms::AddFontResource(dir_ + "/Fonts/NONE.FOT"), 0);
    std::string ttf = dir_ + "/Fonts/GONE.TTF";
    forms::CopyFile(kSerif, ttf);
    ASSERT_EQ(forms::CreateScalableFontResource(0, fot, ttf, ""), 1);
    forms::DeleteFile(ttf);
    EXPECT_EQ(forms::AddFontResource(fot), 0);
    EXPECT_EQ(forms::AddFontResource(dir_ + "/Fonts/FAKE.TTF"), 0);
    EXPECT_EQ(forms::ScreenFontCount(), 1);
}

TEST_F(FontRegistryTest, FontFolderViewerIsRecordedOnly) {
    forms::StartFontFolderViewer("/somewhere/Fonts\\");
    ASSERT_EQ(forms::FontFolderViewerLog().size(), 1u);
    EXPECT_EQ(forms::FontFolderViewerLog()[0], "/somewhere/Fonts\\");
    FontRegistry::Instance().Reset();
    EXPECT_TRUE(forms::FontFolderViewerLog().empty());
}
