// Sounds and voices on the real main window and the program's own media: which file each code and
// character plays on which channel, the hover memory, the gates, channels cutting off their own
// sound, the letter-by-letter reading on the virtual clock, and the show board's picture.
#include "tests/shell/shell_fixture.h"

#include "forms/files.h"
#include "shell/sound_device.h"
#include "tracing/label_strip.h"
#include "tracing/trace_engine.h"

#include <algorithm>
#include <functional>

namespace {

namespace fs = std::filesystem;

class SoundsTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartAndShow();
        // The first character is being drawn; most voices keep quiet meanwhile.
        FrmMain->AT_TimerTMR.SetEnabled(false);
        for (int i = 0; i <= 6; ++i)
            Settings.Speaking(i) = forms::vbTrue;
        Silence();
        PlayHoverSound(NoneCode, NoneCode);
    }
    void TearDown() override {
        forms::SetRandomSource({});
        ShellTest::TearDown();
    }
    forms::SoundChannel& Channel(int i) { return FrmMain->AT_MM_Alphabet(i); }
    // Both channels closed and nameless, as before anything was played.
    void Silence() {
        for (int i : {0, 1}) {
            Channel(i).SetCommand("Stop");
            Channel(i).SetCommand("Close");
            Channel(i).SetFileName("");
        }
    }
    bool Playing(int i) { return Channel(i).Mode() == forms::mciModePlay; }
    // A mark in a channel's history (the channel ignores the unknown command), and what the
    // program sent it since.
    void Mark(int i) { Channel(i).SetCommand("Mark"); }
    std::vector<std::string> SinceMark(int i) {
        const auto& h = Channel(i).History();
        auto it = std::find(h.rbegin(), h.rend(), "Mark");
        return std::vector<std::string>(it.base(), h.end());
    }
    void Character(int16_t type, const std::string& first, const std::string& second) {
        Settings.AlphabetType = type;
        AlphaCur.Alpha = first;
        AlphaCur2.Alpha = second;
    }
};

struct SoundCase {
    const char* what;
    std::function<void()> play;
    int channel;
    std::string file; // under the program folder
};

TEST_F(SoundsTest, EveryCodeAndCharacterPlaysItsFileOnItsChannel) {
    auto letter = [this](int16_t type, const char* a, const char* b) {
        return [this, type, a, b] { Character(type, a, b); };
    };
    auto then = [](std::function<void()> first, std::function<void()> second) {
        return [first, second] {
            first();
            second();
        };
    };
    auto rnd = [](double v) { return [v] { forms::SetRandomSource([v] { return v; }); }; };
    const std::vector<SoundCase> cases = {
        {"close label, any group", [] { PlayHoverSound(4, siClose); }, 0,
         "Sounds/App/MnuClose.Wav"},
        {"close label, lessons", [] { PlayHoverSound(1, siClose); }, 0, "Sounds/App/MnuClose.Wav"},
        {"heading of the lessons", [] { PlayHoverSound(1, siHeading); }, 0, "Sounds/App/Mnu1.Wav"},
        {"heading of the music", [] { PlayHoverSound(2, siHeading); }, 0, "Sounds/App/Mnu2.Wav"},
        {"heading of the level", [] { PlayHoverSound(3, siHeading); }, 0, "Sounds/App/Mnu3.Wav"},
        {"heading of the alphabets", [] { PlayHoverSound(4, siHeading); }, 0,
         "Sounds/App/Mnu4.Wav"},
        {"lesson 0", [] { PlayHoverSound(1, 0); }, 0, "Sounds/App/MnuLes0.Wav"},
        {"lesson 1", [] { PlayHoverSound(1, 1); }, 0, "Sounds/App/MnuLes1.Wav"},
        {"music 0", [] { PlayHoverSound(2, 0); }, 0, "Sounds/App/MnuMus0.Wav"},
        {"music 5", [] { PlayHoverSound(2, 5); }, 0, "Sounds/App/MnuMus5.Wav"},
        {"level 0", [] { PlayHoverSound(3, 0); }, 0, "Sounds/App/MnuLevel0.Wav"},
        {"level 2", [] { PlayHoverSound(3, 2); }, 0, "Sounds/App/MnuLevel2.Wav"},
        {"alphabet 0", [] { PlayHoverSound(4, 0); }, 0, "Sounds/App/MnuAlpha0.Wav"},
        {"alphabet 3", [] { PlayHoverSound(4, 3); }, 0, "Sounds/App/MnuAlpha3.Wav"},
        {"tracing done", [] { PlayHoverSound(1000, 700); }, 0, "Sounds/App/CompTrc.Wav"},
        {"puzzle done", [] { PlayHoverSound(1000, 701); }, 0, "Sounds/App/CompPuz.Wav"},
        {"tracing well done", [] { PlayHoverSound(1000, 702); }, 0, "Sounds/App/CompWDTrc.Wav"},
        {"puzzle well done", [] { PlayHoverSound(1000, 703); }, 0, "Sounds/App/CompWDPuz.Wav"},
        {"completion OK", [] { PlayHoverSound(1000, 704); }, 0, "Sounds/App/CompOK.Wav"},
        {"password lock", [] { PlayHoverSound(2000, 800); }, 0, "Sounds/App/PWLock.Wav"},
        {"password OK", [] { PlayHoverSound(2000, 801); }, 0, "Sounds/App/PWOK.Wav"},
        {"password cancel", [] { PlayHoverSound(2000, 802); }, 0, "Sounds/App/PWCancel.Wav"},
        {"password prompt", [] { PlayHoverSound(2000, 803); }, 0, "Sounds/App/PW.Wav"},
        {"password please", [] { PlayHoverSound(2000, 804); }, 0, "Sounds/App/PWPlease.Wav"},
        {"password incorrect", [] { PlayHoverSound(2000, 805); }, 0, "Sounds/App/PWIncorrect.Wav"},
        {"options button", [] { PlayMainMenuSound(0); }, 0, "Sounds/App/Mnu0.Wav"},
        {"alphabet button", [] { PlayMainMenuSound(4); }, 0, "Sounds/App/Mnu4.Wav"},
        {"next button", [] { PlaySubMenuSound(0); }, 0, "Sounds/App/SubMnu0.Wav"},
        {"demonstration button", [] { PlaySubMenuSound(3); }, 0, "Sounds/App/SubMnu3.Wav"},
        {"puzzle back", [] { PlayPuzzleMenuSound(0); }, 0, "Sounds/App/PuzMnu0.Wav"},
        {"puzzle new game", [] { PlayPuzzleMenuSound(2); }, 0, "Sounds/App/PuzMnu2.Wav"},
        {"menu press", [] { PlayUISound(500); }, 0, "Sounds/App/SndPlonk.Wav"},
        {"close", [] { PlayUISound(502); }, 0, "Sounds/App/SndPlonk.Wav"},
        {"picker move", [] { PlayUISound(503); }, 0, "Sounds/App/SndCPMove.Wav"},
        {"picker click", [] { PlayUISound(504); }, 0, "Sounds/App/SndPlonk.Wav"},
        {"hint", [] { PlayUISound(505); }, 0, "Sounds/App/SndCPOver.Wav"},
        {"colour applied", [] { PlayUISound(506); }, 0, "Sounds/App/SndPlonk.Wav"},
        {"encouragement, lowest draw", then(rnd(0), [] { PlayEncouragement(0); }), 0,
         "Sounds/App/Encrg0.Wav"},
        {"encouragement, a middle draw", then(rnd(0.35), [] { PlayEncouragement(0); }), 0,
         "Sounds/App/Encrg3.Wav"},
        {"encouragement, highest draw", then(rnd(0.9999), [] { PlayEncouragement(-1); }), 0,
         "Sounds/App/Encrg9.Wav"},
        {"tracing level done", [] { PlayEncouragement(702); }, 0, "Sounds/App/CompWDTrc.Wav"},
        {"puzzle solved", [] { PlayEncouragement(703); }, 0, "Sounds/App/CompWDPuz.Wav"},
        {"a capital's name", [] { SpeakBasic("A"); }, 1, "Sounds/Alphabets/Basic_A.Wav"},
        {"a small letter's name, from its capital's file", [] { SpeakBasic("b"); }, 1,
         "Sounds/Alphabets/Basic_b.Wav"},
        {"a number's name, by its text", [] { SpeakBasic(" 7 "); }, 1,
         "Sounds/Numbers/Basic_7.Wav"},
        {"a two-digit number's name", [] { SpeakBasic("23"); }, 1, "Sounds/Numbers/Basic_23.Wav"},
        {"a capital's word", then(letter(0, "A", ""), SpeakWord), 1, "Sounds/Alphabets/Word_A.Wav"},
        {"a small letter's word", then(letter(1, "b", ""), SpeakWord), 1,
         "Sounds/Alphabets/Word_b.Wav"},
        {"a mixed pair's word", then(letter(2, "B", "b"), SpeakWord), 1,
         "Sounds/Alphabets/Word_B.Wav"},
        {"the word of 7 is its sentence", then(letter(3, "7", ""), SpeakWord), 1,
         "Sounds/Numbers/Sentence_7.Wav"},
        {"the word of 10 is its sentence", then(letter(3, "1", "0"), SpeakWord), 1,
         "Sounds/Numbers/Sentence_10.Wav"},
        {"the word of 11 is its name", then(letter(3, "1", "1"), SpeakWord), 1,
         "Sounds/Numbers/Basic_11.Wav"},
        {"the word of 23 is its name", then(letter(3, "2", "3"), SpeakWord), 1,
         "Sounds/Numbers/Basic_23.Wav"},
        {"a capital's sentence", then(letter(0, "A", ""), SpeakSentence), 1,
         "Sounds/Alphabets/Sentence_A.Wav"},
        {"a mixed pair's sentence, by its capital", then(letter(2, "B", "b"), SpeakSentence), 1,
         "Sounds/Alphabets/Sentence_B.Wav"},
        {"the sentence of 5", then(letter(3, "5", ""), SpeakSentence), 1,
         "Sounds/Numbers/Sentence_5.Wav"},
        {"the sentence of 23", then(letter(3, "2", "3"), SpeakSentence), 1,
         "Sounds/Numbers/Sentence_23.Wav"},
    };
    for (const SoundCase& c : cases) {
        SCOPED_TRACE(c.what);
        Silence();
        PlayHoverSound(NoneCode, NoneCode);
        c.play();
        std::string relative = c.file;
        std::replace(relative.begin(), relative.end(), '/', '\\');
        const std::string expected = AppPath + "\\" + relative;
        EXPECT_EQ(Channel(c.channel).FileName(), expected);
        EXPECT_TRUE(forms::FileExists(expected)) << "the program folder holds it";
        EXPECT_TRUE(Playing(c.channel));
        EXPECT_EQ(Channel(1 - c.channel).FileName(), "") << "the other channel is left alone";
    }
}

TEST_F(SoundsTest, CodesWithoutASoundPlayNothing) {
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"main-menu button 5", [] { PlayMainMenuSound(5); }},
        {"main-menu button -1", [] { PlayMainMenuSound(-1); }},
        {"drawing button 4", [] { PlaySubMenuSound(4); }},
        {"effect 501", [] { PlayUISound(501); }},
        {"encouragement 1", [] { PlayEncouragement(1); }},
        {"completion item 705", [] { PlayHoverSound(1000, 705); }},
        {"an unknown group", [] { PlayHoverSound(7, 1); }},
        {"the puzzle leaving its buttons", [] { PlayPuzzleMenuSound(-9997); }},
        {"puzzle value 4", [] { PlayPuzzleMenuSound(4); }},
    };
    for (const auto& [what, play] : cases) {
        SCOPED_TRACE(what);
        Silence();
        play();
        EXPECT_EQ(Channel(0).FileName(), "");
        EXPECT_FALSE(Playing(0));
    }
}

TEST_F(SoundsTest, TheSameHoverPairTwicePlaysOnceUntilForgotten) {
    PlayHoverSound(sgLessons, 0);
    ASSERT_TRUE(Playing(0));
    Channel(0).SetCommand("Stop");
    h.Advance(5000); // however long ago
    PlayHoverSound(sgLessons, 0);
    EXPECT_FALSE(Playing(0));
    // The menu's background forgets the pair.
    PlayHoverSound(NoneCode, NoneCode);
    EXPECT_EQ(HoverGroup, NoneCode);
    EXPECT_EQ(HoverItem, NoneCode);
    PlayHoverSound(sgLessons, 0);
    EXPECT_TRUE(Playing(0));
    // Another item in between lets it play again too.
    PlayHoverSound(sgLessons, 1);
    EXPECT_EQ(Channel(0).FileName(), PathSoundsApp + "\\MnuLes1.Wav");
    PlayHoverSound(sgLessons, 0);
    EXPECT_EQ(Channel(0).FileName(), PathSoundsApp + "\\MnuLes0.Wav");
}

TEST_F(SoundsTest, HoveringWithItsVoicesOffStillRemembersThePair) {
    Settings.Speaking(1) = forms::vbFalse;
    PlayHoverSound(sgLevel, 2);
    EXPECT_EQ(Channel(0).FileName(), "");
    EXPECT_EQ(HoverGroup, sgLevel);
    EXPECT_EQ(HoverItem, 2);
    Settings.Speaking(1) = forms::vbTrue;
    PlayHoverSound(sgLevel, 2);
    EXPECT_EQ(Channel(0).FileName(), "") << "the same pair again";
    PlayHoverSound(sgLevel, 1);
    EXPECT_TRUE(Playing(0));
}

TEST_F(SoundsTest, EachGateSilencesItsOwnKindOnly) {
    struct Gate {
        int flag;
        std::function<void()> play;
        int channel;
    };
    Character(0, "A", "");
    const Gate gates[] = {
        {0, [] { PlayMainMenuSound(1); }, 0}, {1, [] { PlayHoverSound(sgMusic, 2); }, 0},
        {2, [] { PlaySubMenuSound(1); }, 0},  {3, [] { SpeakBasic("C"); }, 1},
        {3, [] { SpeakWord(); }, 1},          {3, [] { SpeakSentence(); }, 1},
        {4, [] { PlayUISound(usHint); }, 0},  {5, [] { PlayEncouragement(702); }, 0},
    };
    for (const Gate& g : gates) {
        SCOPED_TRACE(g.flag);
        for (int off = 0; off <= 6; ++off) {
            for (int i = 0; i <= 6; ++i)
                Settings.Speaking(i) = forms::ToFlag(i != off);
            Silence();
            PlayHoverSound(NoneCode, NoneCode);
            g.play();
            EXPECT_EQ(Playing(g.channel), off != g.flag) << "gate " << off << " off";
            if (off == g.flag) {
                EXPECT_EQ(Channel(g.channel).FileName(), "");
            }
        }
    }
    // The puzzle's voices have no gate.
    for (int i = 0; i <= 6; ++i)
        Settings.Speaking(i) = forms::vbFalse;
    Silence();
    PlayPuzzleMenuSound(1);
    EXPECT_TRUE(Playing(0));
}

TEST_F(SoundsTest, ButtonVoicesAndTheWordKeepQuietWhileATimerRuns) {
    Character(0, "A", "");
    for (forms::Timer* t : {&FrmMain->AT_TimerTMR, &FrmMain->ATTmr_MM}) {
        t->SetEnabled(true);
        PlayMainMenuSound(2);
        PlaySubMenuSound(2);
        SpeakWord();
        EXPECT_EQ(Channel(0).FileName(), "");
        EXPECT_EQ(Channel(1).FileName(), "");
        t->SetEnabled(false);
    }
    // Hover voices, effects and the other speech do not wait.
    FrmMain->AT_TimerTMR.SetEnabled(true);
    SpeakSentence();
    EXPECT_TRUE(Playing(1));
    PlayUISound(usMenuPress);
    EXPECT_TRUE(Playing(0));
}

TEST_F(SoundsTest, ANewSoundCutsOffTheOneOnItsChannelAndTheOtherPlaysOn) {
    PlayMainMenuSound(1);
    SpeakSentence();
    ASSERT_TRUE(Playing(0));
    ASSERT_TRUE(Playing(1));
    Mark(0);
    PlayUISound(usMenuPress);
    EXPECT_EQ(SinceMark(0), (std::vector<std::string>{
                                "Stop", "Close", "FileName=" + PathSoundsApp + "\\SndPlonk.Wav",
                                "Open", "Play"}));
    EXPECT_TRUE(Playing(0));
    EXPECT_TRUE(Playing(1)) << "speech plays on beside the voices";
}

TEST_F(SoundsTest, EffectsStartOverButAPlayingVoiceGoesOn) {
    using V = std::vector<std::string>;
    PlayUISound(usClose);
    Mark(0);
    PlayUISound(usClose);
    EXPECT_EQ(SinceMark(0), (V{"Prev", "Play"}));

    PlayMainMenuSound(3);
    Mark(0);
    PlayMainMenuSound(3);
    EXPECT_EQ(SinceMark(0), V{});
    PlaySubMenuSound(3);
    EXPECT_EQ(SinceMark(0).size(), 5u) << "the drawing button's voice cuts in";
    Mark(0);
    PlaySubMenuSound(3);
    EXPECT_EQ(SinceMark(0), V{});
    // Once it has ended it plays again, from its start.
    h.Advance(5000);
    ASSERT_FALSE(Playing(0));
    PlaySubMenuSound(3);
    EXPECT_EQ(SinceMark(0), (V{"Prev", "Play"}));

    Character(0, "A", "");
    SpeakWord();
    Mark(1);
    SpeakWord();
    EXPECT_EQ(SinceMark(1), V{});
    SpeakSentence();
    Mark(1);
    SpeakSentence();
    EXPECT_EQ(SinceMark(1), (V{"Prev", "Play"}));
}

TEST_F(SoundsTest, ThePuzzleLeavingItsButtonsStopsTheVoice) {
    PlayPuzzleMenuSound(1);
    ASSERT_TRUE(Playing(0));
    PlayPuzzleMenuSound(-9997);
    EXPECT_FALSE(Playing(0));
    EXPECT_EQ(Channel(0).FileName(), PathSoundsApp + "\\PuzMnu1.Wav");
}

TEST_F(SoundsTest, StoppingSpeechShowsTheWholeWordAgain) {
    Character(0, "A", "");
    FrmMainForm& m = *FrmMain;
    SpeakSentence();
    m.ATTmr_MM.SetEnabled(true);
    m.TrcLbl_Word(0).SetCaption("Ap");
    m.TrcLbl_Word(1).SetCaption("");
    StopSpeaking(1); // speech only
    EXPECT_FALSE(Playing(1));
    EXPECT_TRUE(m.ATTmr_MM.Enabled());
    EXPECT_EQ(m.TrcLbl_Word(0).Caption(), "Ap");
    SpeakSentence();
    StopSpeakingNow();
    EXPECT_FALSE(Playing(1));
    EXPECT_FALSE(m.ATTmr_MM.Enabled());
    EXPECT_EQ(m.TrcLbl_Word(0).Caption(), "Apple");
    EXPECT_EQ(m.TrcLbl_Word(1).Caption(), "Apple");
}

// The word read out after a click on it: one more letter each second, then the whole word.
class ReadingTest : public SoundsTest {
  protected:
    struct Step {
        std::string shown, shadow, spoken;
    };
    Step Now() {
        const FrmMainForm& m = *FrmMain;
        return {m.TrcLbl_Word(0).Caption(), m.TrcLbl_Word(1).Caption(), Channel(1).FileName()};
    }
    std::string Letter(const std::string& c) {
        return PathSoundsAlphabets + "\\Basic_" + c + ".Wav";
    }
};

TEST_F(ReadingTest, ALetterASecondThenTheWord) {
    FrmMainForm& m = *FrmMain;
    ASSERT_EQ(AlphaCur.Word, "Apple");
    m.TrcLbl_Word(0).MouseUp(1, 0, 1, 1);
    const char* const letters[] = {"A", "p", "p", "l", "e"};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const Step s = Now();
        EXPECT_EQ(s.shown, std::string("Apple").substr(0, i + 1));
        EXPECT_EQ(s.shadow, "");
        EXPECT_EQ(s.spoken, Letter(letters[i]));
        h.Advance(999);
        EXPECT_EQ(Now().shown, s.shown) << "not before the second is up";
        h.Advance(1);
    }
    EXPECT_EQ(Now().shown, "Apple");
    EXPECT_EQ(Now().shadow, "Apple");
    EXPECT_EQ(Now().spoken, PathSoundsAlphabets + "\\Word_A.Wav");
    EXPECT_FALSE(m.ATTmr_MM.Enabled());
    // The word read out counts as a step of the lesson: with auto play the pause begins.
    ASSERT_EQ(Settings.AutoPlay, forms::vbTrue);
    EXPECT_TRUE(m.AT_TimerTMR.Enabled());
    EXPECT_EQ(TraceAnim.AnimKind, akWaitDone);
    EXPECT_EQ(m.AT_TimerTMR.Interval(), Settings.AutoPlayPause);
    h.Advance(Settings.AutoPlayPause - 1);
    EXPECT_EQ(Now().spoken, PathSoundsAlphabets + "\\Word_A.Wav") << "nothing more";
}

TEST_F(ReadingTest, AHyphenComesWithTheLetterAfterItAndIsNotSpoken) {
    FrmMainForm& m = *FrmMain;
    AlphaCur.Word = "Twenty-One"; // the animation is off: the click keeps the word
    m.TrcLbl_Word(0).MouseUp(1, 0, 1, 1);
    std::vector<std::string> shown{Now().shown}, spoken{Now().spoken};
    for (int i = 0; i < 9; ++i) {
        h.Advance(1000);
        shown.push_back(Now().shown);
        spoken.push_back(Now().spoken);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"T", "Tw", "Twe", "Twen", "Twent", "Twenty",
                                               "Twenty-O", "Twenty-On", "Twenty-One", "Apple"}));
    EXPECT_EQ(spoken[6], Letter("O"));
    EXPECT_EQ(spoken[5], Letter("y"));
    EXPECT_EQ(spoken[9], PathSoundsAlphabets + "\\Word_A.Wav");
}

TEST_F(ReadingTest, AOneLetterWordAndAWordEndingInAHyphenFinish) {
    FrmMainForm& m = *FrmMain;
    Settings.AutoPlay = forms::vbFalse; // no pause after a reading, and no next character
    for (const char* word : {"I", "Ab-"}) {
        SCOPED_TRACE(word);
        AlphaCur.Word = word;
        m.TrcLbl_Word(0).MouseUp(1, 0, 1, 1);
        h.Advance(static_cast<int64_t>(1000 * std::string(word).size()));
        EXPECT_FALSE(m.ATTmr_MM.Enabled());
        EXPECT_EQ(Now().shown, "Apple");
        EXPECT_EQ(Now().spoken, PathSoundsAlphabets + "\\Word_A.Wav");
    }
}

TEST_F(ReadingTest, ClickingAgainStartsOverFromTheFirstLetter) {
    FrmMainForm& m = *FrmMain;
    m.TrcLbl_Word(0).MouseUp(1, 0, 1, 1);
    h.Advance(2500);
    ASSERT_EQ(Now().shown, "App");
    m.TrcLbl_Word(0).MouseUp(1, 0, 1, 1);
    EXPECT_EQ(Now().shown, "A");
    h.Advance(999);
    EXPECT_EQ(Now().shown, "A") << "the new reading keeps its own second";
    h.Advance(1);
    EXPECT_EQ(Now().shown, "Ap");
}

TEST_F(ReadingTest, StoppingTheReadingPutsTheWordBack) {
    FrmMainForm& m = *FrmMain;
    m.TrcLbl_Word(0).MouseUp(1, 0, 1, 1);
    h.Advance(1000);
    StopSpeakingNow();
    EXPECT_EQ(Now().shown, "Apple");
    h.Advance(3000);
    EXPECT_EQ(Now().shown, "Apple");
}

class ShowBoardTest : public SoundsTest {
  protected:
    forms::Image& Picture() { return FrmMain->ATImg_ShowBoard(0); }
    forms::Label& Sum(int i) { return FrmMain->TrcLbl_Numbers(i); }
};

TEST_F(ShowBoardTest, ALetterShowsItsPictureAndSpeaksItsSentence) {
    Character(1, "b", "");
    Picture().SetVisible(false);
    Sum(0).SetVisible(true);
    Sum(1).SetVisible(true);
    ShowBoardPicture(0);
    EXPECT_EQ(MMPicturePath, PathImages + "\\b.jpg");
    ASSERT_NE(Picture().Picture(), nullptr);
    EXPECT_EQ(Picture().Picture()->Width(), 260);
    EXPECT_TRUE(Picture().Visible());
    EXPECT_FALSE(Sum(0).Visible());
    EXPECT_FALSE(Sum(1).Visible());
    EXPECT_EQ(Channel(1).FileName(), PathSoundsAlphabets + "\\Sentence_b.Wav");
    Silence();
    ShowBoardPicture(-1);
    EXPECT_EQ(Channel(1).FileName(), "") << "any other flag keeps quiet";
}

TEST_F(ShowBoardTest, NumbersAboveTenShowTheirSumAndTheOthersTheirPicture) {
    struct Case {
        const char *first, *second;
        const char* sum; // nullptr: a picture
        const char* picture;
    } cases[] = {{"2", "3", "20+3=", nullptr},  {"1", "1", "10+1=", nullptr},
                 {"3", "0", "30+0=", nullptr},  {"7", "", nullptr, "7.jpg"},
                 {"1", "0", nullptr, "10.jpg"}, {"1", "", nullptr, "1.jpg"},
                 {"2", "9", "20+9=", nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + c.second);
        Character(3, c.first, c.second);
        MMPicturePath.clear();
        Silence();
        ShowBoardPicture(0);
        if (c.sum != nullptr) {
            EXPECT_FALSE(Picture().Visible());
            EXPECT_TRUE(Sum(0).Visible());
            EXPECT_EQ(Sum(0).Caption(), c.sum);
            EXPECT_EQ(Sum(1).Caption(), c.sum);
            EXPECT_EQ(MMPicturePath, "") << "no picture is loaded";
        } else {
            EXPECT_TRUE(Picture().Visible());
            EXPECT_FALSE(Sum(0).Visible());
            EXPECT_FALSE(Sum(1).Visible());
            EXPECT_EQ(MMPicturePath, PathImages + "\\" + c.picture);
            EXPECT_NE(Picture().Picture(), nullptr);
        }
        EXPECT_EQ(Channel(1).FileName(),
                  PathSoundsNumbers + "\\Sentence_" + c.first + c.second + ".Wav");
    }
}

TEST_F(ShowBoardTest, AMissingPictureLeavesTheBoardEmptyAndSkipsTheSentence) {
    Character(0, "A", "");
    ShowBoardPicture(1);
    ASSERT_NE(Picture().Picture(), nullptr);
    Character(0, "#", "");
    ShowBoardPicture(0);
    EXPECT_EQ(Picture().Picture(), nullptr);
    EXPECT_EQ(Channel(1).FileName(), "");
    // A picture that is no picture does the same.
    fs::create_directory(folder.File("Images2"));
    folder.Write("Images2/Q.jpg", "not a picture");
    ASSERT_TRUE(forms::FileExists(AppPath + "\\Images2\\q.JPG"));
    PathImages = AppPath + "\\Images2";
    Character(0, "Q", "");
    ShowBoardPicture(0);
    EXPECT_EQ(Picture().Picture(), nullptr);
    EXPECT_EQ(Channel(1).FileName(), "");
    // A number that is no number.
    Character(3, "x", "");
    ShowBoardPicture(0);
    EXPECT_EQ(Picture().Picture(), nullptr);
    EXPECT_EQ(Channel(1).FileName(), "");
}

TEST_F(SoundsTest, StartUpOpensTheColourPickerSoundsAndKeepsTheReadingTimer) {
    EXPECT_EQ(MMTimer, &FrmMain->ATTmr_MM);
    const char* const files[] = {"ColPickMove.wav", "ColPickClick.wav", "ColPickClickMe.Wav"};
    for (int i = 0; i < 3; ++i) {
        forms::SoundChannel& c = Channel(i + 2);
        EXPECT_EQ(c.FileName(), PathSoundsApp + "\\" + files[i]);
        EXPECT_TRUE(forms::FileExists(c.FileName()));
        EXPECT_NE(c.Mode(), forms::mciModeNotOpen) << "opened";
        EXPECT_NE(c.Mode(), forms::mciModePlay) << "not played";
    }
}

} // namespace
