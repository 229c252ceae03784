#include "tests/support/headless.h"

#include <cstdlib>

namespace testsupport {

Headless::Headless(int width, int height) : clock_(std::make_shared<forms::VirtualClock>(1000)) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    forms::Application::Shutdown();
    forms::SetClock(clock_);
    forms::Application::SetErrorPolicy(forms::ErrorPolicy::Propagate);
    forms::ClearMsgBoxLog();
    forms::SetMsgBoxResponder([this](const forms::MsgBoxRecord& rec) {
        if (answers_.empty()) return forms::MsgBoxResults(rec.buttons).front();
        int a = answers_.front();
        answers_.pop_front();
        return a;
    });
    forms::ScreenOptions o;
    o.width = width;
    o.height = height;
    o.windowed = true;
    forms::Application::Start(o);
    Pump();
}

Headless::~Headless() {
    forms::Application::Shutdown();
    forms::SetMsgBoxResponder(nullptr);
    forms::ClearMsgBoxLog();
    forms::SetClock(nullptr);
    forms::Application::SetErrorPolicy(forms::ErrorPolicy::ShowAndEnd);
}

void Headless::Pump() {
    // Until a pass finds nothing more to do (bounded: a handler could keep posting work).
    for (int i = 0; i < 100 && forms::Application::Pump(); ++i) {
    }
}

void Headless::Advance(int64_t ms) {
    const int64_t end = clock_->NowMs() + ms;
    Pump();
    for (int guard = 0; guard < 10000000; ++guard) {
        const int64_t next = forms::Application::NextTimerDeadline();
        if (next < 0 || next > end) break;
        clock_->JumpTo(next);
        Pump();
    }
    clock_->JumpTo(end);
    Pump();
}

void Headless::Jump(int64_t ms) {
    clock_->Advance(ms);
    Pump();
}

void Headless::Move(double x, double y) {
    forms::PostMouseMove(x, y);
    Pump();
}
void Headless::Down(double x, double y, int button) {
    forms::PostMouseDown(x, y, button);
    Pump();
}
void Headless::Up(double x, double y, int button) {
    forms::PostMouseUp(x, y, button);
    Pump();
}
void Headless::Click(double x, double y, int button) {
    forms::PostMouseMove(x, y);
    forms::PostMouseDown(x, y, button);
    forms::PostMouseUp(x, y, button);
    Pump();
}
void Headless::DoubleClick(double x, double y) {
    forms::PostMouseDown(x, y, 1, 1);
    forms::PostMouseUp(x, y, 1, 1);
    forms::PostMouseDown(x, y, 1, 2);
    forms::PostMouseUp(x, y, 1, 2);
    Pump();
}

void Headless::At(const forms::Control& c, double dx, double dy, double& x, double& y) {
    forms::Control& m = const_cast<forms::Control&>(c);
    if (forms::Container* ct = m.AsContainer()) {
        x = ct->ClientScreenX() + dx;
        y = ct->ClientScreenY() + dy;
    } else {
        x = c.ScreenX() + dx;
        y = c.ScreenY() + dy;
    }
}

void Headless::ClickOn(const forms::Control& c, double dx, double dy, int button) {
    double x, y;
    At(c, dx, dy, x, y);
    Click(x, y, button);
}

void Headless::MoveOn(const forms::Control& c, double dx, double dy) {
    double x, y;
    At(c, dx, dy, x, y);
    Move(x, y);
}

void Headless::Key(int16_t keyCode, int shift) {
    forms::PostKeyDown(keyCode, shift);
    forms::PostKeyUp(keyCode, shift);
    Pump();
}
void Headless::KeyDown(int16_t keyCode, int shift) {
    forms::PostKeyDown(keyCode, shift);
    Pump();
}
void Headless::KeyUp(int16_t keyCode, int shift) {
    forms::PostKeyUp(keyCode, shift);
    Pump();
}
void Headless::Type(const std::string& utf8) {
    forms::PostText(utf8.c_str());
    Pump();
}

int32_t Headless::Pixel(int x, int y) {
    forms::Screen::Update();
    return forms::Screen::GetPixel(x, y);
}

void Headless::Screenshot(const std::string& path) {
    forms::Screen::Update();
    forms::SavePicture(forms::Screen::Pixels(), path);
}

} // namespace testsupport
