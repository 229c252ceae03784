#pragma once
// The program started on the real main window with the shipped media, switched to the puzzle at
// a chosen level and alphabet type; boards can be laid by hand and coins clicked through the real
// event path.
#include "forms/input.h"
#include "puzzle/move_history.h"
#include "puzzle/puzzle.h"
#include "puzzle/shuffle.h"
#include "tests/shell/shell_fixture.h"

#include <functional>
#include <string>
#include <vector>

// The 28 captions of a board, coin 0 first.
using Board = std::vector<std::string>;

class PuzzleTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartAndShow();
    }
    void TearDown() override {
        forms::SetRandomSource(nullptr);
        forms::SetNowSource(nullptr);
        ShellTest::TearDown();
    }

    FrmMainForm& M() { return *FrmMain; }

    // Switches to the puzzle, which lays its screen out and shuffles a game instantly.
    void Begin(int16_t level, int16_t type = 0) {
        Settings.UserLevel = level;
        Settings.AlphabetType = type;
        const int16_t puzzle = lsPuzzle;
        SelectLesson(puzzle);
        h.Pump();
    }

    Board Captions() {
        Board b;
        for (int i = 0; i <= 27; ++i)
            b.push_back(M().PuzLbl_Coin(i).Caption());
        return b;
    }
    // The captions of capital letters at home, then coins 26 and 27.
    static Board Solved(const std::string& c26, const std::string& c27) {
        Board b;
        for (int i = 0; i < 26; ++i)
            b.push_back(std::string(1, char('A' + i)));
        b.push_back(c26);
        b.push_back(c27);
        return b;
    }

    // Lays a sliding board by hand as a new game holds it: the hole at the empty caption (or at
    // `hole` when there is none), the blank coin marked, the history holding this board alone.
    void Lay(const Board& b, CoinCell hole) {
        for (int16_t i = 0; i <= 27; ++i) {
            M().PuzLbl_Coin(i).SetCaption(b[i]);
            M().PuzLbl_Coin(i).SetForeColor(PuzColorNormal);
            M().PuzLbl_Coin(i).SetVisible(true);
            M().PuzImg_Coin(i).SetVisible(true);
            SetCoinPicture(i, Settings.UserLevel == 2 && i == 27 ? cpFixed : cpNormal);
        }
        for (int16_t i = 0; i <= 27; ++i)
            if (b[i].empty()) hole = IndexToCell(i);
        PuzBlankCell = hole;
        PuzBlankIndex = FindBlankCoin();
        PlaceBlankCoin();
        MarkBlankCoinLevelII(forms::vbTrue);
        ClearHistory();
        PushHistory();
        PuzHistPos = PuzHistCount = 1;
        PuzCompleted = forms::vbFalse;
    }

    // A release over a coin's caption, as the child makes it (X and Y inside the label).
    void ClickCoin(int16_t i) { h.ClickOn(M().PuzLbl_Coin(i), 5, 5); }
    void ClickButton(int16_t i) { h.ClickOn(M().PuzImg_Menu(i), 5, 5); }

    // Runs `each` on every tick of the animation timer (the paced shuffle's wait), before the tick.
    // Counting starts again from 0.
    void OnAnimationTick(std::function<void(int tick)> each) {
        if (!animationTick_) animationTick_ = M().AT_TimerTMR.Tick;
        ticks_ = 0;
        M().AT_TimerTMR.Tick = [this, each] {
            each(++ticks_);
            animationTick_();
        };
    }
    // Posts a press and release on a control without delivering them: the running loop does.
    static void PostClickOn(const forms::Control& c) {
        double x, y;
        testsupport::Headless::At(c, 5, 5, x, y);
        forms::PostMouseMove(x, y);
        forms::PostMouseDown(x, y);
        forms::PostMouseUp(x, y);
    }

    // Inversions of the tiles in reading order, the hole left out (the blank and the fixed coin
    // count after Z). A slide keeps their parity: the board a solved one can be slid back to has
    // an even count.
    static int Inversions(const Board& b) {
        std::vector<int> rank;
        for (const std::string& c : b)
            if (!c.empty()) rank.push_back(c == " " ? 26 : c[0] - 'A');
        int n = 0;
        for (size_t i = 0; i < rank.size(); ++i)
            for (size_t j = i + 1; j < rank.size(); ++j)
                n += rank[i] > rank[j];
        return n;
    }

    int ticks_ = 0;
    forms::EventHandler animationTick_; // the main window's own handler
};
