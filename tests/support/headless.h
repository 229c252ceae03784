#pragma once
// The headless runtime for tests: the real forms runtime on SDL's dummy video driver, a virtual
// clock that only the test moves, message boxes answered by script, and input posted through the
// real event path. One per test:
//
//   Headless h;                 // 800 x 600 unless told
//   forms::DefaultInstance<MyForm> form; form->Show(); h.Pump();
//   h.Click(100, 50);           // screen pixels
//   h.ClickOn(form->Picture1);  // a point inside a control
//   h.Advance(250);             // timers fire at their deadlines
//   h.AnswerMsgBox(forms::vbCancel);
//   EXPECT_EQ(h.Pixel(10, 10), forms::RGB(255, 0, 0));
#include "forms/forms.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

class Headless {
  public:
    explicit Headless(int width = 800, int height = 600);
    ~Headless();
    Headless(const Headless&) = delete;
    Headless& operator=(const Headless&) = delete;

    forms::VirtualClock& Clock() { return *clock_; }
    int64_t Now() const { return clock_->NowMs(); }
    // Delivers everything pending (input, activations, paints, due timers) without letting time
    // pass, and repaints.
    void Pump();
    // Lets ms pass, stopping at every timer deadline on the way so that each tick happens at its
    // time.
    void Advance(int64_t ms);
    // Lets ms pass at once (as when the program was busy), then delivers what is pending.
    void Jump(int64_t ms);

    // Input in screen pixels; each call is delivered before it returns.
    void Move(double x, double y);
    void Down(double x, double y, int button = forms::vbLeftButton);
    void Up(double x, double y, int button = forms::vbLeftButton);
    void Click(double x, double y, int button = forms::vbLeftButton);
    void DoubleClick(double x, double y);
    // The screen point of a point of a control (in its own pixels; by default just inside).
    static void At(const forms::Control& c, double dx, double dy, double& x, double& y);
    void ClickOn(const forms::Control& c, double dx = 1, double dy = 1,
                 int button = forms::vbLeftButton);
    void MoveOn(const forms::Control& c, double dx = 1, double dy = 1);
    void Key(int16_t keyCode, int shift = 0); // down and up
    void KeyDown(int16_t keyCode, int shift = 0);
    void KeyUp(int16_t keyCode, int shift = 0);
    void Type(const std::string& utf8);

    // Message boxes are answered from this queue, first in first out; when it is empty a box gets
    // its default (first) button. Every box is recorded.
    void AnswerMsgBox(int answer) { answers_.push_back(answer); }
    const std::vector<forms::MsgBoxRecord>& MsgBoxes() const { return forms::MsgBoxLog(); }

    // The screen after a repaint: one pixel (0x00BBGGRR), or all of it as a PNG file.
    int32_t Pixel(int x, int y);
    void Screenshot(const std::string& path);

  private:
    std::shared_ptr<forms::VirtualClock> clock_;
    std::deque<int> answers_;
};

} // namespace testsupport
