// Message boxes: a modal box drawn by the runtime above every form, or a scripted responder.
#include "forms/msgbox.h"
#include "forms/application.h"
#include "forms/form.h"
#include "forms/input.h"
#include "forms/runtime_internal.h"
#include "forms/screen.h"
#include "forms/screen_internal.h"
#include "forms/text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace forms {
namespace {

std::function<int(const MsgBoxRecord&)> g_responder;
std::vector<MsgBoxRecord> g_log;
int g_showing = 0;
class Box;
std::vector<Box*> g_boxes; // showing, bottom first

const char* ResultText(int r) {
    switch (r) {
    case vbOK:
        return "OK";
    case vbCancel:
        return "Cancel";
    case vbAbort:
        return "Abort";
    case vbRetry:
        return "Retry";
    case vbIgnore:
        return "Ignore";
    case vbYes:
        return "Yes";
    case vbNo:
        return "No";
    default:
        return "";
    }
}

// What Esc answers, or 0 when the box has no way out but its buttons.
int EscapeResult(int set) {
    switch (set) {
    case vbOKOnly:
        return vbOK;
    case vbOKCancel:
    case vbYesNoCancel:
    case vbRetryCancel:
        return vbCancel;
    default:
        return 0;
    }
}

std::vector<std::string> SplitAndWrap(const FontSpec& font, const std::string& text, int maxW) {
    std::vector<std::string> out;
    for (const std::string& line : SplitTextLines(text))
        WrapTextLine(font, line, maxW, out);
    return out;
}

constexpr int kButtonW = 75, kButtonH = 23, kGap = 6, kIcon = 32, kPad = 12;

class Box {
  public:
    Box(const MsgBoxRecord& rec) : rec_(rec) {
        results_ = MsgBoxResults(rec.buttons);
        focus_ = std::min<int>(static_cast<int>(results_.size()) - 1, (rec.buttons >> 8) & 3);
        if (focus_ < 0) focus_ = 0;
        // Results are listed default first; keep the visual order of the platform instead.
        order_ = ButtonOrder(rec.ButtonSet());
        for (size_t i = 0; i < order_.size(); ++i)
            if (order_[i] == results_[0]) focus_ = static_cast<int>(i);
        Layout();
    }

    const std::vector<IRect>& Buttons() const { return buttons_; }

    int Run() {
        g_boxes.push_back(this);
        struct Forget {
            Box& b;
            ~Forget() { std::erase(g_boxes, &b); }
        } forget{*this};
        detail::RunModalOverlay(
            rect_, [this](Canvas& c, const IRect& clip) { Draw(c, clip); },
            [this](const backend::InputEvent& e) { Input(e); }, [this] { return result_ != 0; });
        return result_;
    }

  private:
    static std::vector<int> ButtonOrder(int set) {
        switch (set) {
        case vbOKCancel:
            return {vbOK, vbCancel};
        case vbAbortRetryIgnore:
            return {vbAbort, vbRetry, vbIgnore};
        case vbYesNoCancel:
            return {vbYes, vbNo, vbCancel};
        case vbYesNo:
            return {vbYes, vbNo};
        case vbRetryCancel:
            return {vbRetry, vbCancel};
        default:
            return {vbOK};
        }
    }

    void Layout() {
        font_ = FontSpec{"Arial", 9, false, false};
        const int maxText = std::max(200, Screen::PixelWidth() * 3 / 5);
        lines_ = SplitAndWrap(font_, rec_.prompt, maxText);
        lh_ = FontLineHeight(font_);
        int textW = 0;
        for (const auto& l : lines_)
            textW = std::max(textW, MeasureText(font_, l).w);
        const int textH = lh_ * static_cast<int>(lines_.size());
        const bool icon = rec_.Icon() != 0;
        const int n = static_cast<int>(order_.size());
        const int buttonsW = n * kButtonW + (n - 1) * kGap;
        FontSpec titleFont{"Arial", 8.25, true, false};
        const int titleW = MeasureText(titleFont, title_ = rec_.title).w + 40;
        int w = std::max(
            {textW + (icon ? kIcon + kPad : 0) + 2 * kPad, buttonsW + 2 * kPad, titleW, 160});
        int bodyH = std::max(textH, icon ? kIcon : 0);
        int h = kPad + bodyH + kPad + kButtonH + kPad;
        w = std::min(w, Screen::PixelWidth());
        const int outerW = w + 2 * kFormBorder, outerH = h + 2 * kFormBorder + kFormCaption;
        rect_ = IRect{(Screen::PixelWidth() - outerW) / 2, (Screen::PixelHeight() - outerH) / 2,
                      outerW, outerH};
        client_ = IRect{rect_.x + kFormBorder, rect_.y + kFormBorder + kFormCaption, w, h};
        iconRect_ = IRect{client_.x + kPad, client_.y + kPad, kIcon, kIcon};
        textX_ = client_.x + kPad + (icon ? kIcon + kPad : 0);
        textY_ = client_.y + kPad + (bodyH - textH) / 2;
        buttons_.clear();
        int bx = client_.x + (w - buttonsW) / 2;
        const int by = client_.y + h - kPad - kButtonH;
        for (int i = 0; i < n; ++i) {
            buttons_.push_back(IRect{bx, by, kButtonW, kButtonH});
            bx += kButtonW + kGap;
        }
    }

    void DrawIcon(Canvas& c) {
        const double cx = iconRect_.x + kIcon / 2.0, cy = iconRect_.y + kIcon / 2.0;
        FontSpec f{"Arial", 16, true, false};
        auto glyph = [&](const char* s, int32_t color) {
            TextSize ts = MeasureText(f, s);
            DrawText(c, static_cast<int>(cx - ts.w / 2.0), static_cast<int>(cy - ts.h / 2.0), f, s,
                     color);
        };
        switch (rec_.Icon()) {
        case vbCritical:
            c.FillCircle(cx, cy, 15, 0x0000C0);
            c.Line(cx - 6, cy - 6, cx + 6, cy + 6, 3, 0xFFFFFF);
            c.Line(cx + 6, cy - 6, cx - 6, cy + 6, 3, 0xFFFFFF);
            break;
        case vbQuestion:
            c.FillCircle(cx, cy, 15, 0xC06000);
            glyph("?", 0xFFFFFF);
            break;
        case vbExclamation:
            for (int y = 0; y < 28; ++y) {
                const int half = y / 2;
                c.FillRect(IRect{static_cast<int>(cx) - half, iconRect_.y + 2 + y, 2 * half + 1, 1},
                           0x00C8FF);
            }
            glyph("!", 0x000000);
            break;
        case vbInformation:
            c.FillCircle(cx, cy, 15, 0xC06000);
            glyph("i", 0xFFFFFF);
            break;
        default:
            break;
        }
    }

    void Draw(Canvas& c, const IRect& clip) {
        if (rect_.Intersect(clip).Empty()) return;
        c.FillRect(rect_, 0xC0C0C0);
        c.FrameRect(rect_, 1, 0x404040);
        const IRect bar{rect_.x + kFormBorder, rect_.y + kFormBorder, rect_.w - 2 * kFormBorder,
                        kFormCaption};
        c.FillRect(bar, 0x800000);
        FontSpec titleFont{"Arial", 8.25, true, false};
        DrawText(c, bar.x + 4, bar.y + (bar.h - FontLineHeight(titleFont)) / 2, titleFont, title_,
                 0xFFFFFF);
        c.FillRect(client_, 0xF0F0F0);
        DrawIcon(c);
        int y = textY_;
        for (const auto& l : lines_) {
            DrawText(c, textX_, y, font_, l, 0x000000);
            y += lh_;
        }
        for (size_t i = 0; i < buttons_.size(); ++i) {
            const IRect& b = buttons_[i];
            const bool down = static_cast<int>(i) == pressed_ && hot_ == pressed_;
            c.FillRect(b, down ? 0xC8C8C8 : 0xE1E1E1);
            c.FrameRect(b, static_cast<int>(i) == focus_ ? 2 : 1,
                        static_cast<int>(i) == focus_ ? 0xD77800 : 0x707070);
            const char* label = ResultText(order_[i]);
            TextSize ts = MeasureText(font_, label);
            DrawText(c, b.x + (b.w - ts.w) / 2, b.y + (b.h - ts.h) / 2, font_, label, 0x000000);
        }
    }

    int ButtonAt(double x, double y) const {
        for (size_t i = 0; i < buttons_.size(); ++i)
            if (buttons_[i].Contains(static_cast<int>(std::floor(x)),
                                     static_cast<int>(std::floor(y))))
                return static_cast<int>(i);
        return -1;
    }

    void Input(const backend::InputEvent& e) {
        using backend::InputEvent;
        switch (e.kind) {
        case InputEvent::MouseDown:
            if (e.button == 1) pressed_ = hot_ = ButtonAt(e.x, e.y);
            if (pressed_ >= 0) focus_ = pressed_;
            break;
        case InputEvent::MouseMove:
            hot_ = ButtonAt(e.x, e.y);
            break;
        case InputEvent::MouseUp:
            if (e.button == 1) {
                const int at = ButtonAt(e.x, e.y);
                if (at >= 0 && at == pressed_) result_ = order_[static_cast<size_t>(at)];
                pressed_ = -1;
            }
            break;
        case InputEvent::KeyDown: {
            const int n = static_cast<int>(order_.size());
            if (e.keyCode == vbKeyReturn || e.keyCode == vbKeySpace) {
                result_ = order_[static_cast<size_t>(focus_)];
            } else if (e.keyCode == vbKeyEscape) {
                result_ = EscapeResult(rec_.ButtonSet());
            } else if (e.keyCode == vbKeyTab || e.keyCode == vbKeyRight) {
                focus_ = (focus_ + ((e.shift & 1) && e.keyCode == vbKeyTab ? n - 1 : 1)) % n;
            } else if (e.keyCode == vbKeyLeft) {
                focus_ = (focus_ + n - 1) % n;
            } else {
                // The first letter of a button answers it (Y, N, ...), as the platform's boxes do.
                for (int r : order_)
                    if (e.keyCode == ResultText(r)[0] && e.shift == 0 && r != vbOK && r != vbCancel)
                        result_ = r;
            }
            break;
        }
        default:
            break;
        }
        Screen::Invalidate(rect_);
    }

    MsgBoxRecord rec_;
    std::vector<int> results_, order_;
    std::vector<std::string> lines_;
    std::vector<IRect> buttons_;
    FontSpec font_;
    std::string title_;
    IRect rect_, client_, iconRect_;
    int textX_ = 0, textY_ = 0, lh_ = 0;
    int focus_ = 0, pressed_ = -1, hot_ = -1, result_ = 0;
};

} // namespace

std::vector<int> MsgBoxResults(int buttons) {
    std::vector<int> order;
    switch (buttons & 15) {
    case vbOKCancel:
        order = {vbOK, vbCancel};
        break;
    case vbAbortRetryIgnore:
        order = {vbAbort, vbRetry, vbIgnore};
        break;
    case vbYesNoCancel:
        order = {vbYes, vbNo, vbCancel};
        break;
    case vbYesNo:
        order = {vbYes, vbNo};
        break;
    case vbRetryCancel:
        order = {vbRetry, vbCancel};
        break;
    default:
        order = {vbOK};
        break;
    }
    const size_t def = static_cast<size_t>((buttons >> 8) & 3);
    if (def > 0 && def < order.size()) {
        const int d = order[def];
        order.erase(order.begin() + static_cast<long>(def));
        order.insert(order.begin(), d);
    }
    return order;
}

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    MsgBoxRecord rec;
    rec.prompt = prompt;
    rec.buttons = buttons;
    rec.title = title.empty() ? Application::Title() : title;
    const std::vector<int> results = MsgBoxResults(buttons);
    int answer;
    if (g_responder) {
        answer = g_responder(rec);
        if (std::find(results.begin(), results.end(), answer) == results.end()) answer = results[0];
    } else if (!detail::ScreenStarted()) {
        std::fprintf(stderr, "%s: %s\n", rec.title.c_str(), prompt.c_str());
        answer = results[0];
    } else {
        ++g_showing;
        struct Count {
            ~Count() { --g_showing; }
        } count;
        Box box(rec);
        answer = box.Run();
    }
    rec.answer = answer;
    g_log.push_back(rec);
    return answer;
}

void SetMsgBoxResponder(std::function<int(const MsgBoxRecord&)> responder) {
    g_responder = std::move(responder);
}

const std::vector<MsgBoxRecord>& MsgBoxLog() {
    return g_log;
}

void ClearMsgBoxLog() {
    g_log.clear();
}

bool MsgBoxShowing() {
    return g_showing > 0;
}

std::vector<std::array<int, 4>> MsgBoxButtonRects() {
    std::vector<std::array<int, 4>> out;
    if (g_boxes.empty()) return out;
    for (const IRect& r : g_boxes.back()->Buttons())
        out.push_back({r.x, r.y, r.w, r.h});
    return out;
}

} // namespace forms
