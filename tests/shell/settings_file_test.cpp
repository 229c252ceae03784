// The settings file: scrambling and its checksum, reading raw cells, loading with its three
// failure statuses, and saving without ever losing the old file.
#include "tests/shell/settings_fixture.h"

#include "forms/errors.h"

#include "forms/files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <unistd.h>

using forms::vbFalse;
using forms::vbTrue;

namespace {

const char* const kMissingMessage = "Unable to locate WiseOwlet.Dbf. Terminating Application";
const char* const kReadFailedMessage = "Error opening WiseOwlet.Dbf. Terminating Application";
const char* const kCriticalTitle = "Wise Owlet critical error";

int32_t PlainK0(const std::vector<int16_t>& A) {
    return A[20] - 12122;
}
int32_t PlainK1(const std::vector<int16_t>& A) {
    return A[21] - 9311;
}
int32_t PlainL(const std::vector<int16_t>& A) {
    return A[22] - 11686;
}

// Recomputes the checksum cell after a test changed the array, as the encoder would have.
void Reseal(std::vector<int16_t>& A) {
    A[20] = static_cast<int16_t>(A[20] - 12122);
    A[21] = static_cast<int16_t>(A[21] - 9311);
    A[22] = static_cast<int16_t>(A[22] - 11686);
    A[23] = 0;
    A[23] = static_cast<int16_t>(ArrayChecksum(A) % 32000);
    A[20] = static_cast<int16_t>(A[20] + 12122);
    A[21] = static_cast<int16_t>(A[21] + 9311);
    A[22] = static_cast<int16_t>(A[22] + 11686);
}

std::vector<int16_t> Encoded(const std::string& text) {
    std::vector<int16_t> A;
    EncodeSettings(A, text);
    return A;
}

int32_t ErrorNumberOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const forms::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

} // namespace

TEST(SettingsChecksum, TermsTakeTheCellUnsignedAndRoundHalvesToEven) {
    struct Case {
        int16_t x;
        int32_t term;
    } cases[] = {
        {0, 196},         // 195.5
        {1, 207},         // 207
        {2, 218},         // 218.5
        {-1, 753848},     // as 65535
        {32767, 377016},  // (32767 + 17) * 11.5
        {-32768, 377028}, // as 32768: 377027.5
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChecksumTerm(c.x), c.term) << c.x;
}

TEST(SettingsChecksum, SumIsHalvedWhenItPassesTwoBillion) {
    std::vector<int16_t> A(2653, -1); // 2653 * 753848 = 1,999,958,744: not halved yet
    EXPECT_EQ(ArrayChecksum(A), 1999958744);
    A.push_back(3573); // + 41,285 = 2,000,000,029, halved to 1,000,000,014.5, rounded to even
    EXPECT_EQ(ArrayChecksum(A), 1000000014);
    A.push_back(0); // the sum goes on from the halved value
    EXPECT_EQ(ArrayChecksum(A), 1000000014 + 196);
    EXPECT_EQ(ArrayChecksum({}), 0);
}

TEST(SettingsChecksum, ASumOfExactlyTwoBillionIsKept) {
    // 2653 terms of 753,848, ten of 196 and one of 39,296 make exactly 2,000,000,000.
    std::vector<int16_t> A(2653, -1);
    A.insert(A.end(), 10, 0);
    A.push_back(3400);
    EXPECT_EQ(ArrayChecksum(A), 2000000000);
    A.push_back(0); // 2,000,000,196 is past the limit: halved
    EXPECT_EQ(ArrayChecksum(A), 1000000098);
}

// A file laid out by hand (K0 = 33, three blanks added, filler from a fixed pattern) with the
// header and checksum worked out independently: the decoder reads files it did not write itself.
TEST(SettingsScrambling, DecodesAFileLaidOutByHand) {
    const std::string text = "[User Level]\r\nUserLevel=2\r\n\r\n";
    const std::string extended = text + "   ";
    const int32_t L = 32, K0 = 33, K1 = 75;
    ASSERT_EQ(static_cast<int32_t>(extended.size()), L);
    std::vector<int16_t> A(5 * L + 1);
    for (int32_t i = 0; i <= 5 * L; i++)
        A[i] = static_cast<int16_t>(121 + (i * 7919) % 20001);
    for (int32_t j = 0; j < L; j++)
        A[K0 + j] = static_cast<int16_t>(extended[j] + A[K1 + j]);

    A[20] = K0;
    A[21] = K1;
    A[22] = L;
    A[23] = 0;
    EXPECT_EQ(ArrayChecksum(A), 18371334); // stored modulo 32000: 3334

    A[20] = 12155; // K0 + 12122
    A[21] = 9386;  // K1 + 9311
    A[22] = 11718; // L + 11686
    A[23] = 3334;
    EXPECT_EQ(DecodeSettings(A), text);
    A[23] = 3335;
    EXPECT_EQ(DecodeSettings(A), "");
    A[23] = static_cast<int16_t>(18371334 % 65536); // the sum not taken modulo 32000
    EXPECT_EQ(DecodeSettings(A), "");
}

TEST(SettingsScrambling, DecodingGivesTheTextBackTrimmed) {
    std::string everyByte;
    for (int c = 1; c <= 255; c++)
        everyByte += static_cast<char>(c);
    struct Case {
        std::string text, decoded;
    } cases[] = {
        {"exactly16 chars!", "exactly16 chars!"},
        {"  blanks around the settings  ", "blanks around the settings"},
        {"[Music]\r\nVolume=-500\r\n\r\n", "[Music]\r\nVolume=-500\r\n\r\n"},
        {everyByte, everyByte},
        {std::string("nul\0inside the text", 19), std::string("nul\0inside the text", 19)},
        {std::string(21071, 'x'), std::string(21071, 'x')}, // the longest with ten blanks added
    };
    for (const Case& c : cases) {
        for (int round = 0; round < 3; round++) {
            std::vector<int16_t> A = Encoded(c.text);
            EXPECT_EQ(DecodeSettings(A), c.decoded) << c.text.substr(0, 30);
        }
    }
}

TEST(SettingsScrambling, LayoutOfTheArray) {
    const std::string text = "[User Level]\r\nUserLevel=0\r\n\r\n";
    for (int round = 0; round < 20; round++) {
        std::vector<int16_t> A = Encoded(text);
        const int32_t K0 = PlainK0(A), K1 = PlainK1(A), L = PlainL(A);
        ASSERT_GE(L, static_cast<int32_t>(text.size()));
        ASSERT_LE(L, static_cast<int32_t>(text.size()) + 10);
        ASSERT_EQ(A.size(), static_cast<size_t>(5 * L + 1));
        EXPECT_GE(K0, 30);
        EXPECT_LE(K0, 39);
        EXPECT_EQ(K1, K0 + L + 10);
        for (int32_t i = 0; i < static_cast<int32_t>(A.size()); i++) {
            if ((i >= 20 && i <= 23) || (i >= K0 && i < K0 + L)) continue;
            EXPECT_GE(A[i], 121) << i;
            EXPECT_LE(A[i], 20121) << i;
        }
        for (int32_t j = 0; j < L; j++) {
            char expected = j < static_cast<int32_t>(text.size()) ? text[j] : ' ';
            EXPECT_EQ(A[K0 + j] - A[K1 + j], expected) << j;
        }
    }
}

TEST(SettingsScrambling, TwoEncodingsOfOneTextDiffer) {
    const std::string text = "[Lesson Info]\r\nLessonID=0\r\n\r\n";
    EXPECT_NE(Encoded(text), Encoded(text));
}

TEST(SettingsScrambling, TextsTooShortOrTooLongAreRefused) {
    for (const std::string& text : {std::string(), std::string(5, 'x'), std::string(21082, 'x')})
        EXPECT_EQ(ErrorNumberOf([&] { Encoded(text); }), forms::errInvalidCall) << text.size();
}

// Whether a text can be saved must not hang on the random count of added blanks.
TEST(SettingsScrambling, TheTextsLengthAloneDecidesWhetherItEncodes) {
    struct RandomGuard {
        explicit RandomGuard(double r) {
            forms::SetRandomSource([r] { return r; });
        }
        ~RandomGuard() { forms::SetRandomSource({}); }
    };
    for (double r : {0.0, 0.5, 0.99}) { // no blanks, 5, 10
        RandomGuard guard(r);
        const std::string longest(21081, 'x');
        std::vector<int16_t> A;
        ASSERT_EQ(ErrorNumberOf([&] { EncodeSettings(A, longest); }), 0) << r;
        EXPECT_EQ(PlainL(A), 21081) << r;
        EXPECT_EQ(DecodeSettings(A), longest) << r;

        const std::string shortest(16, 'x');
        ASSERT_EQ(ErrorNumberOf([&] { EncodeSettings(A, shortest); }), 0) << r;
        EXPECT_EQ(DecodeSettings(A), shortest) << r;

        EXPECT_EQ(ErrorNumberOf([] { Encoded(std::string(15, 'x')); }), forms::errInvalidCall) << r;
        EXPECT_EQ(ErrorNumberOf([] { Encoded(std::string(21082, 'x')); }), forms::errInvalidCall)
            << r;
    }
}

TEST(SettingsScrambling, DamagedArraysFailClearly) {
    const std::vector<int16_t> good = Encoded("[Animation Speed]\r\nAnimSpeed=40\r\n\r\n");
    const int32_t L = PlainL(good);
    const int32_t last = static_cast<int32_t>(good.size()) - 1;
    struct Case {
        const char* what;
        std::function<void(std::vector<int16_t>&)> damage;
        int32_t error; // 0: no error, the text is ""
    } cases[] = {
        {"checksum cell", [](auto& A) { A[23] = static_cast<int16_t>(A[23] + 1); }, 0},
        {"a filler cell", [&](auto& A) { A[last] = static_cast<int16_t>(A[last] + 1); }, 0},
        {"a character cell", [&](auto& A) { A[PlainK0(A)] += 1; }, 0},
        {"too short for a header", [](auto& A) { A.resize(23); }, forms::errSubscript},
        {"first cell overflows", [](auto& A) { A[20] = -32768; }, forms::errOverflow},
        {"length overflows", [](auto& A) { A[22] = -32000; }, forms::errOverflow},
        {"characters beyond the end",
         [&](auto& A) {
             A[20] = static_cast<int16_t>(last - L + 2 + 12122);
             Reseal(A);
         },
         forms::errSubscript},
        {"keys beyond the end",
         [&](auto& A) {
             A[21] = static_cast<int16_t>(last + 9311);
             Reseal(A);
         },
         forms::errSubscript},
        {"negative first cell",
         [](auto& A) {
             A[20] = static_cast<int16_t>(-1 + 12122);
             Reseal(A);
         },
         forms::errSubscript},
        {"negative length",
         [](auto& A) {
             A[22] = static_cast<int16_t>(-1 + 11686);
             Reseal(A);
         },
         forms::errSubscript},
        {"length beyond the array",
         [](auto& A) {
             A[22] = static_cast<int16_t>(20000 + 11686);
             Reseal(A);
         },
         forms::errSubscript},
        {"a code below 0",
         [](auto& A) {
             A[PlainK1(A)] = static_cast<int16_t>(A[PlainK0(A)] + 1);
             Reseal(A);
         },
         forms::errInvalidCall},
        {"a code above 255",
         [](auto& A) {
             A[PlainK1(A)] = static_cast<int16_t>(A[PlainK0(A)] - 256);
             Reseal(A);
         },
         forms::errInvalidCall},
    };
    for (const Case& c : cases) {
        std::vector<int16_t> A = good;
        c.damage(A);
        std::string text = "not decoded";
        EXPECT_EQ(ErrorNumberOf([&] { text = DecodeSettings(A); }), c.error) << c.what;
        if (c.error == 0) {
            EXPECT_EQ(text, "") << c.what;
        }
    }
}

using SettingsFileTest = SettingsFolderTest;

TEST_F(SettingsFileTest, FileIsTheRawArrayLowByteFirst) {
    const std::string text = "[Auto Play]\r\nAutoPlay=True\r\n\r\n";
    WriteSettingsFile(text, PathSettingsFile);
    const std::string bytes = folder.Read("WiseOwlet.Dbf");
    const int32_t L = PlainL(SettingsFileData);
    EXPECT_EQ(bytes.size(), static_cast<size_t>(10 * L + 2));
    ASSERT_EQ(bytes.size(), 2 * SettingsFileData.size());
    for (size_t i = 0; i < SettingsFileData.size(); i++) {
        uint16_t cell = static_cast<uint16_t>(SettingsFileData[i]);
        ASSERT_EQ(static_cast<uint8_t>(bytes[2 * i]), cell & 0xFF) << i;
        ASSERT_EQ(static_cast<uint8_t>(bytes[2 * i + 1]), cell >> 8) << i;
    }
    std::vector<int16_t> back;
    ASSERT_EQ(ReadFileBytes(back, PathSettingsFile), vbTrue);
    EXPECT_EQ(back, SettingsFileData);
    EXPECT_EQ(DecodeSettings(back), text);
}

TEST_F(SettingsFileTest, ReadingRoundsTheCellCountOfOddLengths) {
    struct Case {
        std::string bytes;
        std::vector<int16_t> cells;
    } cases[] = {
        {Bytes({1}), {1}}, // 1/2 - 1 = -0.5: one cell, read short
        {Bytes({1, 2}), {0x0201}},
        {Bytes({1, 2, 3}), {0x0201}},                  // 0.5 rounds to 0: the last byte is left
        {Bytes({1, 2, 3, 4, 5}), {0x0201, 0x0403, 5}}, // 1.5 rounds to 2: the last cell short
        {Bytes({1, 2, 3, 4, 5, 6, 7}), {0x0201, 0x0403, 0x0605}}, // 2.5 rounds to 2
        {Bytes({0xFF, 0xFF, 0x00, 0x80}), {-1, -32768}},
    };
    for (const Case& c : cases) {
        folder.Write("cells.bin", c.bytes);
        std::vector<int16_t> A{7, 7, 7};
        ASSERT_EQ(ReadFileBytes(A, folder.File("cells.bin")), vbTrue) << c.bytes.size();
        EXPECT_EQ(A, c.cells) << c.bytes.size();
    }
    folder.Write("empty.bin", "");
    std::vector<int16_t> A;
    EXPECT_EQ(ReadFileBytes(A, folder.File("empty.bin")), vbFalse);
    EXPECT_EQ(ReadFileBytes(A, folder.File("missing.bin")), vbFalse);
    EXPECT_EQ(ReadFileBytes(A, folder.Path()), vbFalse); // a folder
}

TEST_F(SettingsFileTest, SavedSettingsLoadBack) {
    ProcessAllSections(umDefaults, Settings, Settings);
    Settings.UserLevel = 2;
    Settings.PWord = "owl";
    const UserSet saved = Settings;
    SaveSettingsFile(vbTrue);

    Settings = UserSet{};
    IniText.clear();
    EXPECT_EQ(LoadSettingsFile(), vbTrue);
    EXPECT_EQ(SettingsLoadStatus, slLoaded);
    EXPECT_EQ(Settings, saved);
    EXPECT_EQ(IniText, TextOf(saved));
    EXPECT_EQ(SettingsFileUBound,
              static_cast<int32_t>(folder.Read("WiseOwlet.Dbf").size() / 2 - 1));
    EXPECT_TRUE(forms::MsgBoxLog().empty());
}

TEST_F(SettingsFileTest, SavingRebuildsTheTextAndWritesTheReminder) {
    ProcessAllSections(umDefaults, Settings, Settings);
    Settings.PWord = " two words ";
    IniText = "[Old]\r\nUserLevel=9\r\n";
    SaveSettingsFile(vbTrue);
    EXPECT_EQ(IniText, TextOf(Settings));

    std::vector<int16_t> A;
    ASSERT_EQ(ReadFileBytes(A, PathSettingsFile), vbTrue);
    EXPECT_EQ(DecodeSettings(A), forms::Trim(TextOf(Settings)));
    EXPECT_EQ(folder.Read("PassWord.Txt"),
              "[PassWord]\r\nThe password for Wise Owlet program is ' two words '\r\n");
}

TEST_F(SettingsFileTest, MissingFileShowsItsMessageAndEnds) {
    EXPECT_THROW(LoadSettingsFile(), forms::EndSignal);
    EXPECT_EQ(SettingsLoadStatus, slMissing);
    ASSERT_EQ(forms::MsgBoxLog().size(), 1u);
    EXPECT_EQ(forms::MsgBoxLog()[0].prompt, kMissingMessage);
    EXPECT_EQ(forms::MsgBoxLog()[0].buttons, forms::vbCritical + forms::vbOKOnly);
    EXPECT_EQ(forms::MsgBoxLog()[0].title, kCriticalTitle);
}

TEST_F(SettingsFileTest, UnreadableFileShowsItsMessageAndEnds) {
    folder.Write("WiseOwlet.Dbf", "");
    EXPECT_THROW(LoadSettingsFile(), forms::EndSignal);
    EXPECT_EQ(SettingsLoadStatus, slReadFailed);
    ASSERT_EQ(forms::MsgBoxLog().size(), 1u);
    EXPECT_EQ(forms::MsgBoxLog()[0].prompt, kReadFailedMessage);
    EXPECT_EQ(forms::MsgBoxLog()[0].buttons, forms::vbCritical + forms::vbOKOnly);
    EXPECT_EQ(forms::MsgBoxLog()[0].title, kCriticalTitle);
}

// Damage of every kind ends the load with its own message and leaves the file as it was.
TEST_F(SettingsFileTest, ADamagedFileShowsItsMessageEndsWithAnErrorAndIsLeftAsItIs) {
    const std::vector<int16_t> good = Encoded(TextOf(Defaults()));
    std::string goodBytes;
    for (int16_t cell : good) {
        goodBytes += static_cast<char>(static_cast<uint16_t>(cell) & 0xFF);
        goodBytes += static_cast<char>(static_cast<uint16_t>(cell) >> 8);
    }
    std::vector<int16_t> beyond = good; // a sealed header whose keys lie past the end
    beyond[21] = static_cast<int16_t>(static_cast<int32_t>(beyond.size()) + 9311);
    Reseal(beyond);
    std::string beyondBytes;
    for (int16_t cell : beyond) {
        beyondBytes += static_cast<char>(static_cast<uint16_t>(cell) & 0xFF);
        beyondBytes += static_cast<char>(static_cast<uint16_t>(cell) >> 8);
    }
    std::string flipped = goodBytes;
    flipped[2 * PlainK0(good) + 1] = static_cast<char>(flipped[2 * PlainK0(good) + 1] ^ 0x10);
    std::string checksum = goodBytes;
    checksum[2 * 23] = static_cast<char>(checksum[2 * 23] ^ 1);

    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a flipped byte in the text", flipped},
        {"a flipped byte in the checksum", checksum},
        {"truncated to half", goodBytes.substr(0, goodBytes.size() / 2)},
        {"truncated by one cell", goodBytes.substr(0, goodBytes.size() - 2)},
        {"junk appended", goodBytes + "junk"},
        {"too short for its header", std::string(30, 'x')},
        {"a header pointing past the end", beyondBytes},
    };
    for (const Case& c : cases) {
        forms::ClearMsgBoxLog();
        folder.Write("WiseOwlet.Dbf", c.bytes);
        try {
            LoadSettingsFile();
            ADD_FAILURE() << c.what << ": loaded";
        } catch (const forms::EndSignal& end) {
            EXPECT_NE(end.status, 0) << c.what;
        } catch (const forms::RuntimeError& e) {
            ADD_FAILURE() << c.what << ": " << e.Description();
        }
        EXPECT_EQ(SettingsLoadStatus, slEmpty) << c.what;
        ASSERT_EQ(forms::MsgBoxLog().size(), 1u) << c.what;
        EXPECT_EQ(forms::MsgBoxLog()[0].prompt, "WiseOwlet.Dbf is damaged. Terminating Application")
            << c.what;
        EXPECT_EQ(forms::MsgBoxLog()[0].buttons, forms::vbCritical + forms::vbOKOnly) << c.what;
        EXPECT_EQ(forms::MsgBoxLog()[0].title, kCriticalTitle) << c.what;
        EXPECT_EQ(folder.Read("WiseOwlet.Dbf"), c.bytes) << c.what;
    }

    forms::ClearMsgBoxLog();
    WriteSettingsFile(std::string(40, ' '), PathSettingsFile); // only blanks: no text at all
    EXPECT_THROW(LoadSettingsFile(), forms::EndSignal);
    EXPECT_EQ(SettingsLoadStatus, slEmpty);
    ASSERT_EQ(forms::MsgBoxLog().size(), 1u);
    EXPECT_EQ(forms::MsgBoxLog()[0].prompt, "WiseOwlet.Dbf is damaged. Terminating Application");
}

TEST_F(SettingsFileTest, AGoodFileWithoutANumericKeyReachesTheCallerAsAnError) {
    std::string text = TextOf(Defaults());
    text.erase(text.find("AnimSpeed=40\r\n"), 14);
    WriteSettingsFile(text, PathSettingsFile);
    EXPECT_EQ(ErrorNumberOf([] { LoadSettingsFile(); }), forms::errTypeMismatch);
    EXPECT_TRUE(forms::MsgBoxLog().empty());
}

TEST_F(SettingsFileTest, FailedSaveKeepsTheOldFilesWhole) {
    ProcessAllSections(umDefaults, Settings, Settings);
    SaveSettingsFile(vbTrue);
    const std::string oldFile = folder.Read("WiseOwlet.Dbf");
    const std::string oldReminder = folder.Read("PassWord.Txt");
    Settings.PWord = "changed";

    // The new file is written beside the old one first; a folder in the way of that name makes
    // the write fail.
    const std::string blocker = folder.File("WiseOwlet.Dbf.tmp" + std::to_string(::getpid()));
    std::filesystem::create_directories(blocker + "/inside");
    EXPECT_EQ(ErrorNumberOf([] { SaveSettingsFile(vbTrue); }), forms::errPathFileAccess);
    EXPECT_EQ(folder.Read("WiseOwlet.Dbf"), oldFile);
    EXPECT_EQ(folder.Read("PassWord.Txt"), oldReminder);
    std::filesystem::remove_all(blocker);

    // A settings text too long for the file is refused before anything is written.
    Settings.PWord = std::string(22000, 'p');
    EXPECT_EQ(ErrorNumberOf([] { SaveSettingsFile(vbTrue); }), forms::errInvalidCall);
    EXPECT_EQ(folder.Read("WiseOwlet.Dbf"), oldFile);
    EXPECT_EQ(folder.Read("PassWord.Txt"), oldReminder);

    // A program folder that is gone.
    Settings.PWord = "changed";
    PathSettingsFile = folder.Path() + "\\gone\\WiseOwlet.Dbf";
    EXPECT_NE(ErrorNumberOf([] { SaveSettingsFile(vbTrue); }), 0);
    EXPECT_FALSE(folder.Exists("gone"));
}

// A family that keeps its settings elsewhere links the program folder's files to them.
TEST_F(SettingsFileTest, ASaveThroughLinkedFilesKeepsTheLinksAndUpdatesWhatTheyLeadTo) {
    namespace fs = std::filesystem;
    wotest::TempProgramFolder family{"wo_family"};
    ProcessAllSections(umDefaults, Settings, Settings);
    WriteSettingsFile(TextOf(Settings), family.File("owl.dbf"));
    family.Write("reminder.txt",
                 "[PassWord]\r\nThe password for Wise Owlet program is 'marble'\r\n");
    fs::create_symlink(family.File("owl.dbf"), folder.File("WiseOwlet.Dbf"));
    fs::create_symlink(family.File("reminder.txt"), folder.File("PassWord.Txt"));

    Settings.PWord = "owl";
    SaveSettingsFile(vbTrue);

    EXPECT_TRUE(fs::is_symlink(folder.File("WiseOwlet.Dbf")));
    EXPECT_TRUE(fs::is_symlink(folder.File("PassWord.Txt")));
    EXPECT_EQ(family.Read("reminder.txt"),
              "[PassWord]\r\nThe password for Wise Owlet program is 'owl'\r\n");
    std::vector<int16_t> A;
    ASSERT_EQ(ReadFileBytes(A, family.File("owl.dbf")), vbTrue);
    EXPECT_EQ(GetIniValue("PWord", DecodeSettings(A)), "owl");
    Settings = UserSet{};
    EXPECT_EQ(LoadSettingsFile(), vbTrue);
    EXPECT_EQ(Settings.PWord, "owl");
}

// A write of the settings file or of the reminder failing at one step.
struct SaveFaultCase {
    const char* name;
    const char* file; // the file whose write fails
    forms::FileStep step;
    bool settingsWritten; // the settings file had taken the new settings before the failure
};

class SaveFaultTest : public SettingsFolderTest,
                      public ::testing::WithParamInterface<SaveFaultCase> {
  protected:
    void TearDown() override {
        forms::SetFileFault(nullptr);
        SettingsFolderTest::TearDown();
    }
};

TEST_P(SaveFaultTest, TheOldFilesStayByteForByte) {
    const SaveFaultCase& c = GetParam();
    ProcessAllSections(umDefaults, Settings, Settings);
    SaveSettingsFile(vbTrue);
    const std::string oldFile = folder.Read("WiseOwlet.Dbf");
    const std::string oldReminder = folder.Read("PassWord.Txt");
    Settings.PWord = "changed";
    forms::SetFileFault([&c](forms::FileStep step, const std::string& path) {
        return step == c.step && path.find(c.file) != std::string::npos ? ENOSPC : 0;
    });
    try {
        SaveSettingsFile(vbTrue);
        FAIL() << "the save went through";
    } catch (const SettingsSaveError& e) {
        EXPECT_EQ(e.File(), forms::ResolvePath(folder.File(c.file)));
        EXPECT_EQ(e.Reason(), std::strerror(ENOSPC));
        EXPECT_EQ(e.SettingsWritten(), c.settingsWritten);
    }
    forms::SetFileFault(nullptr);
    if (!c.settingsWritten) {
        EXPECT_EQ(folder.Read("WiseOwlet.Dbf"), oldFile);
    }
    EXPECT_EQ(folder.Read("PassWord.Txt"), oldReminder);
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
            << entry.path() << " was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SaveFaultTest,
    ::testing::Values(
        SaveFaultCase{"SettingsOpen", "WiseOwlet.Dbf", forms::FileStep::Open, false},
        SaveFaultCase{"SettingsWrite", "WiseOwlet.Dbf", forms::FileStep::Write, false},
        SaveFaultCase{"SettingsFlush", "WiseOwlet.Dbf", forms::FileStep::Flush, false},
        SaveFaultCase{"SettingsRename", "WiseOwlet.Dbf", forms::FileStep::Rename, false},
        SaveFaultCase{"ReminderOpen", "PassWord.Txt", forms::FileStep::Open, false},
        SaveFaultCase{"ReminderFlush", "PassWord.Txt", forms::FileStep::Flush, false},
        SaveFaultCase{"ReminderRename", "PassWord.Txt", forms::FileStep::Rename, true}),
    [](const ::testing::TestParamInfo<SaveFaultCase>& info) { return info.param.name; });

TEST_F(SettingsFileTest, BuildWritesALoadableDefaultFile) {
    // The program folder of the build holds the settings file a fresh install starts with.
    const std::string built = std::string(WO_APP_DIR) + "/WiseOwlet.Dbf";
    ASSERT_TRUE(std::filesystem::exists(built));
    std::filesystem::copy_file(built, folder.File("WiseOwlet.Dbf"));
    EXPECT_EQ(LoadSettingsFile(), vbTrue);
    EXPECT_EQ(SettingsLoadStatus, slLoaded);
    EXPECT_EQ(Settings.WordsAlpha(0), "Apple");
}
