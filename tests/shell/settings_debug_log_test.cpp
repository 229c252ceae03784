// The debug log: collecting lines, the record appended at the end and the settings dumps.
#include "tests/shell/settings_fixture.h"

#include <filesystem>

using forms::vbFalse;
using forms::vbTrue;

namespace {
const forms::DateTime kWhen{2026, 12, 10, 14, 5, 3};
// The record's first lines: an empty one, then the date between two rows of 21 asterisks.
const std::string kRecordHead =
    "\r\n*********************" + forms::FormatGeneralDate(kWhen) + "*********************\r\n";
} // namespace

class DebugLogTest : public SettingsFolderTest {
  protected:
    void SetUp() override {
        SettingsFolderTest::SetUp();
        forms::SetNowSource([] { return kWhen; });
    }
    void SaveDefaults() {
        ProcessAllSections(umDefaults, Settings, Settings);
        SaveSettingsFile(vbTrue);
    }
};

TEST_F(DebugLogTest, LinesAreCollectedWhetherOrNotTheLogIsOn) {
    EXPECT_EQ(DebugLog("Installed : a"), "");
    DebugLog("Installed : b", vbFalse);
    EXPECT_EQ(DebugText, "Installed : a\r\nInstalled : b\r\n");
    DebugLog("only this", vbTrue);
    EXPECT_EQ(DebugText, "only this\r\n");
}

TEST_F(DebugLogTest, WithoutTheMarkerNothingIsWritten) {
    EXPECT_EQ(IsDebugOn(), vbFalse);
    EXPECT_EQ(DebugOn, vbFalse);
    DebugLog("collected");
    SaveDefaults();
    DumpDebugAll();
    EXPECT_FALSE(folder.Exists("zWO.WO"));
    EXPECT_FALSE(folder.Exists("zIniFile.Txt"));
    EXPECT_EQ(DebugText, "collected\r\n");

    // Each writer keeps to the switch on its own, whoever calls it.
    WriteDebugLog("a record");
    DumpIniText("");
    DumpIniText("Other.Txt");
    EXPECT_FALSE(folder.Exists("zWO.WO"));
    EXPECT_FALSE(folder.Exists("zIniFile.Txt"));
    EXPECT_FALSE(folder.Exists("Other.Txt"));
}

TEST_F(DebugLogTest, EachRunAppendsOneRecordToTheMarker) {
    folder.Write("zWO.WO", "marker");
    EXPECT_EQ(IsDebugOn(), vbTrue);
    EXPECT_EQ(DebugOn, vbTrue);

    DebugLog("Installed : \\Fonts\\VAGRON.FOT");
    DumpDebugAll();
    const std::string first = "marker" + kRecordHead + "Installed : \\Fonts\\VAGRON.FOT\r\n\r\n";
    EXPECT_EQ(folder.Read("zWO.WO"), first);

    // A run that collected nothing still leaves its record, ending in an empty line.
    DebugText.clear();
    DumpDebugAll();
    EXPECT_EQ(folder.Read("zWO.WO"), first + kRecordHead + "\r\n");

    // The marker going away later does not switch the log off.
    std::filesystem::remove(folder.File("zWO.WO"));
    EXPECT_EQ(IsDebugOn(), vbFalse);
    EXPECT_EQ(DebugOn, vbTrue);
}

TEST_F(DebugLogTest, SettingsTextIsDumpedAfterASaveAndAtTheEnd) {
    folder.Write("zWO.WO", "");
    IsDebugOn();
    SaveDefaults();
    EXPECT_EQ(folder.Read("zIniFile.Txt"), TextOf(Settings) + "\r\n");

    IniText = "[Changed]\r\n";
    DumpDebugAll();
    EXPECT_EQ(folder.Read("zIniFile.Txt"), "[Changed]\r\n\r\n");

    DumpIniText("Other.Txt");
    EXPECT_EQ(folder.Read("Other.Txt"), "[Changed]\r\n\r\n");
}
