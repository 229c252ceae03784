#pragma once
// A drawing board on a form of its own, the animation timer beside it, and the tracing globals
// put back to a known state: the fixture of the engine's layout, drawing and animation tests.
#include <gtest/gtest.h>

#include <memory>

#include "forms/default_instance.h"
#include "forms/form.h"
#include "forms/picture_box.h"
#include "forms/timer.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tests/support/headless.h"
#include "tracing/alpha_data.h"
#include "tracing/animation.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"

class BoardForm : public forms::Form {
  public:
    forms::PictureBox Board{this};
    forms::Timer Anim{this};
};

// Colours that tell the passes apart.
constexpr int32_t kBack = forms::RGB(10, 10, 10);
constexpr int32_t kTrack = forms::RGB(0, 0, 200);
constexpr int32_t kLine = forms::RGB(200, 0, 0);
constexpr int32_t kPrompt = forms::RGB(0, 200, 0);
constexpr int32_t kCircle = forms::RGB(250, 250, 0);
constexpr int32_t kCircleHL = forms::RGB(0, 250, 250);

class BoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        headless_ = std::make_unique<testsupport::Headless>();
        form_ = forms::NewForm<BoardForm>();
        form_->Move(0, 0, 700 * 15, 500 * 15);
        form_->Show();
        SizeBoard(518, 300);
        Board().SetBackColor(kBack);
        Anim().SetEnabled(false);
        Anim().SetInterval(1);

        Settings = UserSet{};
        Settings.AlphabetStart = "A";
        Settings.AlphabetEnd = "Z";
        Settings.NumbersStart = 1;
        Settings.NumbersEnd = 30;
        Settings.NumbersStep = 1;
        Settings.ColorLine = kTrack;
        Settings.ColorLineHL = kLine;
        Settings.ColorLinePrompt = kPrompt;
        Settings.ColorCircle = kCircle;
        Settings.ColorCircleHL = kCircleHL;
        AlphaDone = AlphaDoneTable{};
        AlphaEnabled = {};

        for (AlphaData* rec : {&AlphaCur, &AlphaCur2, &AlphaOpt}) {
            *rec = AlphaData{};
            InitDrawStyle(*rec, Settings);
            rec->Board = &Board();
        }
        AlphaCur.BaseDivisor = 1.2f;

        TraceAnim = TraceData{};
        TraceAnim.AnimTimer = &Anim();
        MMTimer = nullptr; // no main window here: nothing reads letters out
        CurAlphaIdx = PrevAlphaIdx = FirstAlphaIdx = 0;
        LastAlphaIdx = 25;
        AlphaStep = 1;
        NumAlphas = 1;
        CurAlphaNo = 1;
        AnimAlphaNo = 1;
    }

    void TearDown() override {
        TraceAnim.AnimTimer = nullptr;
        MMTimer = nullptr;
        for (AlphaData* rec : {&AlphaCur, &AlphaCur2, &AlphaOpt})
            rec->Board = nullptr;
        headless_.reset();
    }

    forms::PictureBox& Board() { return form_->Board; }
    forms::Timer& Anim() { return form_->Anim; }
    void SizeBoard(double w, double h) { Board().Move(0, 0, w, h); }

    // Lays out one character in AlphaCur.
    void LayOut(const std::string& alpha, float divisor = 1.2f) {
        NumAlphas = 1;
        AlphaCur.Alpha = alpha;
        AlphaCur.BaseDivisor = divisor;
        AlphaCur.NumAlphasCopy = 1;
        InitAlphaData(AlphaCur, AlphaCur2);
    }

    // Lays out two characters in AlphaCur and AlphaCur2.
    void LayOutTwo(const std::string& first, const std::string& second, float divisor = 1.2f) {
        NumAlphas = 2;
        AlphaCur.Alpha = first;
        AlphaCur2.Alpha = second;
        AlphaCur.BaseDivisor = divisor;
        AlphaCur.NumAlphasCopy = 2;
        InitAlphaData(AlphaCur, AlphaCur2);
    }

    // Board position of point p of stroke s.
    int32_t PixelAtPoint(const AlphaData& rec, int s, int p, double dx = 0, double dy = 0) {
        return Board().Point(rec.PointX(s, p) + dx, rec.PointY(s, p) + dy);
    }

    // Ticks the animation until its timer stops (at most limit ticks); returns the ticks taken.
    int TickUntilStopped(int limit = 1000) {
        int ticks = 0;
        while (Anim().Enabled() && ticks < limit) {
            AnimationTimerTick();
            ++ticks;
        }
        return ticks;
    }

    std::unique_ptr<testsupport::Headless> headless_;
    BoardForm* form_ = nullptr;
};
