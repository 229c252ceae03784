// The colour dialog: a modal palette drawn by the runtime, or a scripted responder.
#include "forms/common_dialog.h"

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/control_parts.h"
#include "forms/errors.h"
#include "forms/form.h"
#include "forms/input.h"
#include "forms/runtime_internal.h"
#include "forms/screen.h"
#include "forms/screen_internal.h"

#include <algorithm>
#include <cmath>

namespace forms {
namespace {

std::function<std::optional<int32_t>(int32_t)> g_responder;

constexpr int32_t Rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

constexpr int kSwatchW = 78, kCell = 20, kCellGap = 4, kPad = 10, kButtonW = 75, kButtonH = 23;

class Picker;
Picker* g_picker = nullptr;

class Picker {
  public:
    explicit Picker(int32_t start) : start_(start & 0xFFFFFF) {
        const auto& pal = ColorDialogPalette();
        for (size_t i = 0; i < pal.size(); ++i)
            if (pal[i] == start_) pick_ = static_cast<int>(i);
        Layout();
    }

    // The chosen colour, or nullopt for Cancel.
    std::optional<int32_t> Run() {
        g_picker = this;
        struct Forget {
            ~Forget() { g_picker = nullptr; }
        } forget;
        detail::RunModalOverlay(
            rect_, [this](Canvas& c, const IRect& clip) { Draw(c, clip); },
            [this](const backend::InputEvent& e) { Input(e); }, [this] { return answer_ != 0; });
        if (answer_ == vbCancelAnswer) return std::nullopt;
        return pick_ >= 0 ? ColorDialogPalette()[static_cast<size_t>(pick_)] : start_;
    }

    std::vector<IRect> cells_;
    IRect ok_, cancel_;

  private:
    static constexpr int vbOkAnswer = 1, vbCancelAnswer = 2;

    void Layout() {
        const int n = static_cast<int>(ColorDialogPalette().size());
        const int rows = (n + kColorColumns - 1) / kColorColumns;
        const int gridW = kColorColumns * kCell + (kColorColumns - 1) * kCellGap;
        const int gridH = rows * kCell + (rows - 1) * kCellGap;
        const int w = kPad + gridW + kPad + kSwatchW + kPad;
        const int h = kPad + std::max(gridH, 2 * 40 + 18) + kPad + kButtonH + kPad;
        const int outerW = w + 2 * kFormBorder, outerH = h + 2 * kFormBorder + kFormCaption;
        rect_ = {(Screen::PixelWidth() - outerW) / 2, (Screen::PixelHeight() - outerH) / 2, outerW,
                 outerH};
        client_ = {rect_.x + kFormBorder, rect_.y + kFormBorder + kFormCaption, w, h};
        cells_.clear();
        for (int i = 0; i < n; ++i)
            cells_.push_back({client_.x + kPad + (i % kColorColumns) * (kCell + kCellGap),
                              client_.y + kPad + (i / kColorColumns) * (kCell + kCellGap), kCell,
                              kCell});
        swatch_ = {client_.x + kPad + gridW + kPad, client_.y + kPad + 14, kSwatchW, 80};
        const int by = client_.y + h - kPad - kButtonH;
        cancel_ = {client_.x + w - kPad - kButtonW, by, kButtonW, kButtonH};
        ok_ = {cancel_.x - 6 - kButtonW, by, kButtonW, kButtonH};
    }

    int CellAt(double x, double y) const {
        const int px = static_cast<int>(std::floor(x)), py = static_cast<int>(std::floor(y));
        for (size_t i = 0; i < cells_.size(); ++i)
            if (cells_[i].Contains(px, py)) return static_cast<int>(i);
        return -1;
    }
    int ButtonAt(double x, double y) const {
        const int px = static_cast<int>(std::floor(x)), py = static_cast<int>(std::floor(y));
        if (ok_.Contains(px, py)) return vbOkAnswer;
        if (cancel_.Contains(px, py)) return vbCancelAnswer;
        return 0;
    }

    void Input(const backend::InputEvent& e) {
        using backend::InputEvent;
        Screen::Invalidate(rect_);
        switch (e.kind) {
        case InputEvent::MouseDown:
            if (e.button != 1) break;
            pressed_ = ButtonAt(e.x, e.y);
            if (const int c = CellAt(e.x, e.y); c >= 0) {
                pick_ = c;
                if (e.clicks >= 2) answer_ = vbOkAnswer;
            }
            break;
        case InputEvent::MouseUp:
            if (e.button != 1) break;
            if (pressed_ != 0 && ButtonAt(e.x, e.y) == pressed_) answer_ = pressed_;
            pressed_ = 0;
            break;
        case InputEvent::KeyDown: {
            const int n = static_cast<int>(cells_.size());
            int step = 0;
            switch (e.keyCode) {
            case vbKeyReturn:
                answer_ = vbOkAnswer;
                break;
            case vbKeyEscape:
                answer_ = vbCancelAnswer;
                break;
            case vbKeyLeft:
                step = -1;
                break;
            case vbKeyRight:
                step = 1;
                break;
            case vbKeyUp:
                step = -kColorColumns;
                break;
            case vbKeyDown:
                step = kColorColumns;
                break;
            default:
                break;
            }
            if (step != 0) pick_ = pick_ < 0 ? 0 : std::clamp(pick_ + step, 0, n - 1);
            break;
        }
        default:
            break;
        }
    }

    void Draw(Canvas& c, const IRect& clip) {
        if (rect_.Intersect(clip).Empty()) return;
        c.FillRect(rect_, 0xC0C0C0);
        c.FrameRect(rect_, 1, parts::kDarkest);
        const IRect bar{rect_.x + kFormBorder, rect_.y + kFormBorder, rect_.w - 2 * kFormBorder,
                        kFormCaption};
        c.FillRect(bar, 0x800000);
        const FontSpec titleFont{"Arial", 8.25, true, false};
        DrawText(c, bar.x + 4, bar.y + (bar.h - FontLineHeight(titleFont)) / 2, titleFont, "Color",
                 0xFFFFFF);
        c.FillRect(client_, parts::kFace);
        const auto& pal = ColorDialogPalette();
        for (size_t i = 0; i < cells_.size(); ++i) {
            const IRect& r = cells_[i];
            c.FillRect(r, pal[i]);
            parts::SunkenEdge(c, r);
            c.FillRect({r.x + 2, r.y + 2, r.w - 4, r.h - 4}, pal[i]);
            if (static_cast<int>(i) == pick_) {
                c.FrameRect({r.x - 3, r.y - 3, r.w + 6, r.h + 6}, 2, 0x000000);
            }
        }
        const FontSpec f{"Arial", 8.25, false, false};
        DrawText(c, swatch_.x, swatch_.y - 14, f, "New / Current", 0x000000);
        const int32_t now = pick_ >= 0 ? pal[static_cast<size_t>(pick_)] : start_;
        const IRect top{swatch_.x, swatch_.y, swatch_.w, swatch_.h / 2};
        const IRect bottom{swatch_.x, swatch_.y + swatch_.h / 2, swatch_.w, swatch_.h / 2};
        c.FillRect(top, now);
        c.FillRect(bottom, start_);
        c.FrameRect(swatch_, 1, 0x000000);
        for (const auto& [r, label, ans] :
             {std::tuple{ok_, "OK", vbOkAnswer}, std::tuple{cancel_, "Cancel", vbCancelAnswer}}) {
            c.FillRect(r, 0xE1E1E1);
            c.FrameRect(r, ans == vbOkAnswer ? 2 : 1, ans == vbOkAnswer ? 0xD77800 : 0x707070);
            const TextSize ts = MeasureText(f, label);
            DrawText(c, r.x + (r.w - ts.w) / 2, r.y + (r.h - ts.h) / 2, f, label, 0x000000);
        }
    }

    int32_t start_;
    int pick_ = -1, pressed_ = 0, answer_ = 0;
    IRect rect_, client_, swatch_;
};

} // namespace

const std::vector<int32_t>& ColorDialogPalette() {
    // Eight hues in five shades (pale, light, full, dark, deep), then eight greys from white to
    // black.
    static const std::vector<int32_t> palette = [] {
        const int hues[kColorColumns][3] = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0},
                                            {0, 192, 0},   {0, 192, 192}, {0, 0, 255},
                                            {128, 0, 192}, {255, 0, 192}};
        std::vector<int32_t> out;
        const double mix[5] = {0.75, 0.45, 0, -0.35, -0.65}; // towards white (+) or black (-)
        for (double m : mix)
            for (const auto& h : hues) {
                int c[3];
                for (int k = 0; k < 3; ++k)
                    c[k] = static_cast<int>(
                        std::lround(m >= 0 ? h[k] + (255 - h[k]) * m : h[k] * (1 + m)));
                out.push_back(Rgb(c[0], c[1], c[2]));
            }
        for (int g = 0; g < kColorColumns; ++g) {
            const int v = 255 - g * 255 / (kColorColumns - 1);
            out.push_back(Rgb(v, v, v));
        }
        return out;
    }();
    return palette;
}

void CommonDialog::ShowColor() {
    std::optional<int32_t> chosen;
    if (g_responder) {
        chosen = g_responder(color_);
    } else if (detail::ScreenStarted()) {
        Picker picker(color_);
        chosen = picker.Run();
    }
    // Without a screen there is nobody to choose: the dialog is cancelled.
    if (chosen) {
        color_ = *chosen;
        return;
    }
    if (cancelError_) Raise(errCancel);
}

void SetColorDialogResponder(std::function<std::optional<int32_t>(int32_t)> responder) {
    g_responder = std::move(responder);
}

bool ColorDialogShowing() {
    return g_picker != nullptr;
}

std::vector<std::array<int, 4>> ColorDialogCellRects() {
    std::vector<std::array<int, 4>> out;
    if (!g_picker) return out;
    for (const IRect& r : g_picker->cells_)
        out.push_back({r.x, r.y, r.w, r.h});
    return out;
}

std::array<int, 4> ColorDialogButtonRect(bool ok) {
    if (!g_picker) return {};
    const IRect r = ok ? g_picker->ok_ : g_picker->cancel_;
    return {r.x, r.y, r.w, r.h};
}

} // namespace forms
