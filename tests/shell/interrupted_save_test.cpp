// A save that ends between its steps (the process killed, the machine stopped), and the next
// start, which removes what it left and makes the password reminder name the password that the
// settings file holds.
#include "tests/shell/shell_fixture.h"

#include "forms/files.h"

#include <csignal>
#include <filesystem>
#include <ostream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Reminder(const std::string& password) {
    return "[PassWord]\r\nThe password for Wise Owlet program is '" + password + "'\r\n";
}

class InterruptedSaveTest : public ShellTest {
  protected:
    void TearDown() override {
        forms::SetFileFault(nullptr);
        ShellTest::TearDown();
    }
    // The names in the program folder that a save's temporary files have.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> found;
        for (const auto& e : fs::directory_iterator(folder.Path()))
            if (e.path().filename().string().find(".tmp") != std::string::npos)
                found.push_back(e.path().filename().string());
        return found;
    }
    // Saves the defaults with this password, as the options dialog does.
    static void Save(const std::string& password) {
        InitPaths();
        ProcessAllSections(umDefaults, Settings, Settings);
        Settings.PWord = password;
        SaveSettingsFile(forms::vbTrue);
    }
    std::string FirstPrompt() const {
        return h.MsgBoxes().empty() ? std::string() : h.MsgBoxes().front().prompt;
    }
};

// Where a password change from "marble" to "owl" is killed, and the password that the settings
// file holds afterwards.
struct KillCase {
    const char* name;
    const char* file; // the file whose step it is
    forms::FileStep step;
    const char* password;
};

void PrintTo(const KillCase& c, std::ostream* os) {
    *os << c.name;
}

class KilledSaveTest : public InterruptedSaveTest,
                       public ::testing::WithParamInterface<KillCase> {};

TEST_P(KilledSaveTest, TheNextStartLeavesNoTemporaryFileAndTheReminderNamesThePassword) {
    const KillCase& c = GetParam();
    Save("marble");
    // The change runs in a child process, which is ended at the step as kill -9 ends it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        forms::SetFileFault([&c](forms::FileStep step, const std::string& path) {
            if (step == c.step && path.find(c.file) != std::string::npos) ::raise(SIGKILL);
            return 0;
        });
        Save("owl");
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the save was not killed";
    ASSERT_FALSE(Leftovers().empty()) << "the kill left nothing behind";

    ASSERT_TRUE(Start()) << FirstPrompt();
    EXPECT_TRUE(h.MsgBoxes().empty()) << FirstPrompt();
    EXPECT_EQ(Leftovers(), std::vector<std::string>{});
    EXPECT_EQ(Settings.PWord, c.password);
    EXPECT_EQ(folder.Read("PassWord.Txt"), Reminder(c.password));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, KilledSaveTest,
    ::testing::Values(
        KillCase{"WhileWritingTheSettings", "WiseOwlet.Dbf", forms::FileStep::Write, "marble"},
        KillCase{"AtTheSettingsRename", "WiseOwlet.Dbf", forms::FileStep::Rename, "marble"},
        KillCase{"WhileWritingTheReminder", "PassWord.Txt", forms::FileStep::Write, "marble"},
        KillCase{"AtTheReminderRename", "PassWord.Txt", forms::FileStep::Rename, "owl"}),
    [](const ::testing::TestParamInfo<KillCase>& info) { return info.param.name; });

// The reminder as start-up finds it, beside the build's default settings (password "marble").
struct ReminderCase {
    const char* name;
    void (*layOut)(const wotest::TempProgramFolder& folder);
    const char* after; // nullptr: no reminder file
};

void PrintTo(const ReminderCase& c, std::ostream* os) {
    *os << c.name;
}

class ReminderAtStartTest : public InterruptedSaveTest,
                            public ::testing::WithParamInterface<ReminderCase> {};

TEST_P(ReminderAtStartTest, NamesThePasswordOfTheSettingsFile) {
    GetParam().layOut(folder);
    ASSERT_TRUE(Start()) << FirstPrompt();
    EXPECT_TRUE(h.MsgBoxes().empty()) << FirstPrompt();
    if (GetParam().after) {
        EXPECT_EQ(folder.Read("PassWord.Txt"), GetParam().after);
    } else {
        EXPECT_FALSE(folder.Exists("PassWord.Txt"));
    }
    EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Reminders, ReminderAtStartTest,
    ::testing::Values(
        ReminderCase{
            "ThatNamesAnotherPasswordIsRewritten",
            [](const wotest::TempProgramFolder& f) { f.Write("PassWord.Txt", Reminder("owl")); },
            "[PassWord]\r\nThe password for Wise Owlet program is 'marble'\r\n"},
        ReminderCase{
            "ThatAgreesIsKept",
            [](const wotest::TempProgramFolder& f) { f.Write("PassWord.Txt", Reminder("marble")); },
            "[PassWord]\r\nThe password for Wise Owlet program is 'marble'\r\n"},
        // A fresh install has none; the first save writes it.
        ReminderCase{"ThatIsMissingStaysMissing", [](const wotest::TempProgramFolder&) {}, nullptr},
        // The first save was killed before its reminder was in place.
        ReminderCase{"ThatIsMissingBesideItsSavesLeftoverIsWritten",
                     [](const wotest::TempProgramFolder& f) {
                         f.Write("PassWord.Txt.tmp999999999", Reminder("owl"));
                     },
                     "[PassWord]\r\nThe password for Wise Owlet program is 'marble'\r\n"}),
    [](const ::testing::TestParamInfo<ReminderCase>& info) { return info.param.name; });

// A folder that takes no file (read-only, a full disk) keeps the old reminder; the program starts.
TEST_F(InterruptedSaveTest, AReminderThatCannotBeRewrittenDoesNotStopTheStart) {
    folder.Write("PassWord.Txt", Reminder("owl"));
    forms::SetFileFault([](forms::FileStep step, const std::string& path) {
        return step == forms::FileStep::Open && path.find("PassWord.Txt") != std::string::npos
                   ? EROFS
                   : 0;
    });
    ASSERT_TRUE(Start()) << FirstPrompt();
    EXPECT_TRUE(h.MsgBoxes().empty()) << FirstPrompt();
    EXPECT_EQ(folder.Read("PassWord.Txt"), Reminder("owl"));
    EXPECT_NE(DebugText.find(forms::ResolvePath(folder.File("PassWord.Txt"))), std::string::npos)
        << DebugText;
    EXPECT_EQ(Settings.PWord, "marble");
}

} // namespace
