#include "forms/errors.h"
#include "forms/files.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

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

// --- Replacing through links, the folder's sync, and what a killed replacement leaves.

namespace {

std::vector<std::string> Temporaries(const fs::path& dir) {
    std::vector<std::string> found;
    for (auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string().find(".tmp") != std::string::npos)
            found.push_back(e.path().filename().string());
    return found;
}

// The id of a process that has ended.
pid_t FinishedProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

// A program folder app/ beside a family/ folder that holds the settings the family keeps.
class LinkedFilesTest : public PathsTest {
  protected:
    void SetUp() override {
        PathsTest::SetUp();
        fs::create_directories(root / "app");
        fs::create_directories(root / "family");
    }
    std::string App(const std::string& name) const { return (root / "app" / name).string(); }
    std::string Family(const std::string& name) const { return (root / "family" / name).string(); }
};

struct LinkCase {
    const char* name;
    // Lays out app/WiseOwlet.Dbf as a link (and what it leads to) under the root.
    void (*layOut)(const fs::path& root);
    const char* target; // under the root: the file that takes the data
    bool targetExisted; // its permission bits are kept
};

void PrintTo(const LinkCase& c, std::ostream* os) {
    *os << c.name;
}

class LinkReplaceTest : public LinkedFilesTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkReplaceTest, KeepsTheLinkAndReplacesWhatItLeadsTo) {
    const LinkCase& c = GetParam();
    c.layOut(root);
    const fs::path link = root / "app" / "WiseOwlet.Dbf";
    const fs::path linkHolds = fs::read_symlink(link);
    const fs::path target = root / c.target;
    if (c.targetExisted) fs::permissions(target, fs::perms(0640));

    ReplaceFileAtomically(R() + "\\app\\WiseOwlet.Dbf", std::string("new"));

    ASSERT_TRUE(fs::is_symlink(link)) << "the link was replaced by a plain file";
    EXPECT_EQ(fs::read_symlink(link), linkHolds);
    EXPECT_EQ(ReadAllText(target.string()), "new");
    EXPECT_FALSE(fs::is_symlink(target));
    if (c.targetExisted) {
        EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    }
    EXPECT_TRUE(Temporaries(root / "app").empty());
    EXPECT_TRUE(Temporaries(root / "family").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkReplaceTest,
    ::testing::Values(LinkCase{"RelativeIntoAnotherFolder",
                               [](const fs::path& r) {
                                   WriteAllText((r / "family/owl.dbf").string(), "old");
                                   fs::create_symlink("../family/owl.dbf", r / "app/WiseOwlet.Dbf");
                               },
                               "family/owl.dbf", true},
                      LinkCase{"Absolute",
                               [](const fs::path& r) {
                                   WriteAllText((r / "family/owl.dbf").string(), "old");
                                   fs::create_symlink(r / "family/owl.dbf",
                                                      r / "app/WiseOwlet.Dbf");
                               },
                               "family/owl.dbf", true},
                      LinkCase{"ChainOfLinksEachRelativeToItsOwnFolder",
                               [](const fs::path& r) {
                                   WriteAllText((r / "family/owl-2.dbf").string(), "old");
                                   fs::create_symlink("owl-2.dbf", r / "family/current.dbf");
                                   fs::create_symlink("../family/current.dbf",
                                                      r / "app/WiseOwlet.Dbf");
                               },
                               "family/owl-2.dbf", true},
                      LinkCase{"ThroughALinkedFolder",
                               [](const fs::path& r) {
                                   WriteAllText((r / "family/owl.dbf").string(), "old");
                                   fs::create_directory_symlink("../family", r / "app/shared");
                                   fs::create_symlink("shared/owl.dbf", r / "app/WiseOwlet.Dbf");
                               },
                               "family/owl.dbf", true},
                      LinkCase{"ToAFileNotYetThere",
                               [](const fs::path& r) {
                                   fs::create_symlink("../family/owl.dbf", r / "app/WiseOwlet.Dbf");
                               },
                               "family/owl.dbf", false}),
    [](const ::testing::TestParamInfo<LinkCase>& info) { return info.param.name; });

TEST_F(LinkedFilesTest, ALinkWhoseTargetCannotBeWrittenFailsNamingTheTarget) {
    WriteAllText(Family("owl.dbf"), "old");
    fs::create_symlink("../family/owl.dbf", App("WiseOwlet.Dbf"));
    // The family's folder refuses new files (as root no permission would stop the write).
    SetFileFault([this](FileStep step, const std::string& path) {
        return step == FileStep::Open && path.rfind(Family(""), 0) == 0 ? EACCES : 0;
    });
    try {
        ReplaceFileAtomically(App("WiseOwlet.Dbf"), std::string("new"));
        ADD_FAILURE() << "replaced";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Path(), Family("owl.dbf"));
        EXPECT_EQ(e.Reason(), std::strerror(EACCES));
    }
    SetFileFault(nullptr);
    EXPECT_TRUE(fs::is_symlink(App("WiseOwlet.Dbf")));
    EXPECT_EQ(ReadAllText(Family("owl.dbf")), "old");
    EXPECT_TRUE(Temporaries(root / "app").empty());
    EXPECT_TRUE(Temporaries(root / "family").empty());
}

TEST_F(LinkedFilesTest, ALinkIntoAFolderThatIsGoneOrALoopFailsAndKeepsTheLink) {
    fs::create_symlink("../gone/owl.dbf", App("WiseOwlet.Dbf"));
    fs::create_symlink("loop-b", App("loop-a"));
    fs::create_symlink("loop-a", App("loop-b"));
    struct Case {
        const char* name;
        int32_t number;
        std::string path; // the file named
    } cases[] = {{"WiseOwlet.Dbf", errFileNotFound, (root / "gone" / "owl.dbf").string()},
                 {"loop-a", errPathFileAccess, App("loop-a")}};
    for (const Case& c : cases) {
        try {
            ReplaceFileAtomically(App(c.name), std::string("new"));
            ADD_FAILURE() << c.name << ": replaced";
        } catch (const FileError& e) {
            EXPECT_EQ(e.Number(), c.number) << c.name;
            EXPECT_EQ(e.Path(), c.path) << c.name;
        }
        EXPECT_TRUE(fs::is_symlink(App(c.name))) << c.name;
    }
    EXPECT_FALSE(fs::exists(root / "gone"));
    EXPECT_TRUE(Temporaries(root / "app").empty());
}

TEST_F(PathsTest, AReplacementSyncsTheFolderAfterItsRename) {
    std::vector<std::pair<FileStep, std::string>> steps;
    SetFileFault([&steps](FileStep step, const std::string& path) {
        steps.emplace_back(step, path);
        return 0;
    });
    ReplaceFileAtomically(R() + "\\data.bin", std::string("new"));
    SetFileFault(nullptr);
    const std::string file = R() + "/data.bin";
    const std::string tmp = file + ".tmp" + std::to_string(::getpid());
    const std::vector<std::pair<FileStep, std::string>> expected = {
        {FileStep::Open, tmp},    {FileStep::Write, tmp},      {FileStep::Flush, tmp},
        {FileStep::Rename, file}, {FileStep::SyncFolder, R()},
    };
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(ReadAllText(file), "new");
}

TEST_F(LinkedFilesTest, LeftoverTemporariesOfFinishedProcessesAreRemoved) {
    WriteAllText(App("WiseOwlet.Dbf"), "settings");
    WriteAllText(App("PassWord.Txt"), "reminder");
    const std::string finished = std::to_string(FinishedProcess());
    const std::string running = std::to_string(::getppid());
    const std::string own = std::to_string(::getpid());
    struct Entry {
        std::string name;
        bool goes;
    } entries[] = {
        {"WiseOwlet.Dbf.tmp" + finished, true},
        {"WISEOWLET.DBF.TMP" + finished, true}, // the program's names in any case
        {"WiseOwlet.Dbf.tmp" + own, true},      // an earlier process with this id
        {"WiseOwlet.Dbf.tmp" + running, false}, // its replacement may be under way
        {"WiseOwlet.Dbf.tmp", false},
        {"WiseOwlet.Dbf.tmp12x", false},
        {"WiseOwlet.Dbf.tmp99999999999", false},
        {"WiseOwlet.Dbf.bak", false},
        {"Other.Dbf.tmp" + finished, false},
        {"PassWord.Txt.tmp" + finished, false}, // another file's: its own call removes it
    };
    for (const Entry& e : entries) // each its own file, whatever the case of its name
        std::ofstream(App(e.name)) << "x";
    fs::create_directory(App("WiseOwlet.Dbf.tmp1" + finished)); // not a file the program writes

    EXPECT_EQ(RemoveLeftoverTemporaries(App("WiseOwlet.Dbf")), 3);
    for (const Entry& e : entries)
        EXPECT_EQ(fs::exists(App(e.name)), !e.goes) << e.name;
    EXPECT_TRUE(fs::is_directory(App("WiseOwlet.Dbf.tmp1" + finished)));
    EXPECT_EQ(ReadAllText(App("WiseOwlet.Dbf")), "settings");
}

TEST_F(LinkedFilesTest, LeftoverTemporariesBesideALinkAndItsTargetAreRemoved) {
    WriteAllText(Family("owl.dbf"), "settings");
    fs::create_symlink("../family/owl.dbf", App("WiseOwlet.Dbf"));
    const std::string finished = std::to_string(FinishedProcess());
    WriteAllText(Family("owl.dbf.tmp" + finished), "x");    // written beside the target
    WriteAllText(App("WiseOwlet.Dbf.tmp" + finished), "x"); // beside the link, as once written
    EXPECT_EQ(RemoveLeftoverTemporaries(App("WiseOwlet.Dbf")), 2);
    EXPECT_TRUE(Temporaries(root / "app").empty());
    EXPECT_TRUE(Temporaries(root / "family").empty());
    EXPECT_TRUE(fs::is_symlink(App("WiseOwlet.Dbf")));
    EXPECT_EQ(ReadAllText(Family("owl.dbf")), "settings");
}

} // namespace
