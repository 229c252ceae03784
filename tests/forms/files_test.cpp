#include "forms/errors.h"
#include "forms/files.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

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
