#include "forms/errors.h"
#include "forms/files.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace forms;
namespace fs = std::filesystem;

class PathsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("wo_paths_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "Sounds" / "App");
        WriteAllText(root.string() + "/Sounds/App/MnuClose.wav", "x");
    }
    void TearDown() override { fs::remove_all(root); }
    std::string R() const { return root.string(); }
    fs::path root;
};

TEST_F(PathsTest, ResolvesSeparatorsCaseAndNul) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"\\Sounds\\App\\MnuClose.Wav", "/Sounds/App/MnuClose.wav"},
        {"/sounds/app/MNUCLOSE.WAV", "/Sounds/App/MnuClose.wav"},
        {"\\SOUNDS/App\\mnuclose.wav", "/Sounds/App/MnuClose.wav"},
        {std::string("\\Sounds\\App\\MnuClose.Wav\0junk", 29), "/Sounds/App/MnuClose.wav"},
        {"\\Sounds\\New\\File.txt", "/Sounds/New/File.txt"}, // missing parts kept as given
        {"\\Sounds\\\\App\\MnuClose.Wav", "/Sounds/App/MnuClose.wav"},
    };
    for (auto& c : cases)
        EXPECT_EQ(ResolvePath(R() + c.in), R() + c.out) << c.in;
}

TEST_F(PathsTest, WritingUnderAnotherCaseWritesTheNameFound) {
    WriteAllText(R() + "\\SOUNDS\\app\\mnuclose.WAV", "new");
    EXPECT_EQ(ReadAllText(R() + "/Sounds/App/MnuClose.wav"), "new");
    EXPECT_FALSE(fs::exists(root / "SOUNDS"));
}

TEST_F(PathsTest, ErrorsForMissingAndUnwritable) {
    try {
        ReadAllBytes(R() + "\\nothing.bin");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 53);
    }
    EXPECT_THROW(DeleteFile(R() + "\\nothing.bin"), RuntimeError);
    EXPECT_THROW(WriteAllText(R() + "\\no\\such\\folder\\f.txt", "x"), RuntimeError);
    EXPECT_FALSE(FileExists(R() + "\\Sounds"));
    EXPECT_TRUE(FolderExists(R() + "\\sounds"));
}

TEST_F(PathsTest, AtomicReplaceKeepsTheOldFileWhenTheWriteFails) {
    std::string f = R() + "\\data.bin";
    ReplaceFileAtomically(f, std::string("old"));
    EXPECT_EQ(ReadAllText(f), "old");
    ReplaceFileAtomically(f, std::string("newer"));
    EXPECT_EQ(ReadAllText(f), "newer");
    // A read-only folder makes the temporary file fail; the old file stays whole.
    if (::geteuid() != 0) {
        fs::permissions(root, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_THROW(ReplaceFileAtomically(f, std::string("lost")), RuntimeError);
        fs::permissions(root, fs::perms::owner_all);
        EXPECT_EQ(ReadAllText(f), "newer");
    }
    // A target that is a folder cannot be replaced; nothing is left behind.
    fs::create_directories(root / "dir.bin");
    EXPECT_THROW(ReplaceFileAtomically(R() + "\\dir.bin", std::string("x")), RuntimeError);
    int leftovers = 0;
    for (auto& e : fs::directory_iterator(root))
        if (e.path().filename().string().find(".tmp") != std::string::npos) leftovers++;
    EXPECT_EQ(leftovers, 0);
}

TEST_F(PathsTest, AtomicReplaceKeepsTheOldFilesModeAndOwner) {
    const std::string f = R() + "\\kept.bin";
    WriteAllText(f, "old");
    const fs::path real = root / "kept.bin";
    fs::permissions(real, fs::perms::owner_read | fs::perms::group_read);
    // Only a privileged process may give a file to another user.
    const bool privileged = ::geteuid() == 0;
    if (privileged) {
        ASSERT_EQ(::chown(real.c_str(), 4321, 4321), 0);
    }
    if (!privileged) fs::permissions(real, fs::perms::owner_write, fs::perm_options::add);

    ReplaceFileAtomically(f, std::string("new"));
    EXPECT_EQ(ReadAllText(f), "new");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    const mode_t want = privileged ? 0440 : 0640;
    EXPECT_EQ(st.st_mode & 07777, want);
    if (privileged) {
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4321u);
    }
}

TEST_F(PathsTest, AReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "a privileged process may write any file";
    const std::string f = R() + "\\locked.bin";
    WriteAllText(f, "old");
    fs::permissions(root / "locked.bin", fs::perms::owner_read);
    try {
        ReplaceFileAtomically(f, std::string("new"));
        FAIL() << "replaced";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Number(), errPathFileAccess);
        EXPECT_EQ(e.Path(), (root / "locked.bin").string());
    }
    EXPECT_EQ(ReadAllText(f), "old");
}
