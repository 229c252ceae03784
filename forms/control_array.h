#pragma once
// A control array: controls of one type addressed by index, `Label_Alpha(i)`, with handlers that
// receive the index first. Elements are created with the array, LBound to UBound, or only at the
// indices listed (an array with gaps, as a form designer leaves them).
//   forms::ControlArray<forms::Label> Label_Alpha{this, 0, 29};
//   forms::ControlArray<forms::Label> Notes{this, {0, 1, 2, 10, 100}};
//   Label_Alpha.MouseUp = [](int index, int button, int shift, float x, float y) { ... };
#include "forms/control.h"
#include "forms/errors.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

namespace forms {

template <class T> class ControlArray {
  public:
    using IndexHandler = std::function<void(int index)>;
    using IndexMouseHandler =
        std::function<void(int index, int button, int shift, float x, float y)>;

    ControlArray(Container* container, int lbound, int ubound) : lbound_(lbound) {
        for (int i = lbound; i <= ubound; ++i) {
            items_.push_back(std::make_unique<T>(container));
            Wire(*items_.back(), i);
        }
    }
    // Elements in different containers (a palette split over strips): containerOf(i) gives the
    // container of element i.
    ControlArray(const std::function<Container*(int index)>& containerOf, int lbound, int ubound)
        : lbound_(lbound) {
        for (int i = lbound; i <= ubound; ++i) {
            items_.push_back(std::make_unique<T>(containerOf(i)));
            Wire(*items_.back(), i);
        }
    }
    // Elements only at the listed indices (ascending); any other index raises error 9.
    ControlArray(Container* container, std::initializer_list<int> indices)
        : ControlArray([container](int) { return container; }, indices) {}
    ControlArray(const std::function<Container*(int index)>& containerOf,
                 std::initializer_list<int> indices)
        : lbound_(indices.size() ? *indices.begin() : 0), indices_(indices) {
        for (int i : indices_) {
            items_.push_back(std::make_unique<T>(containerOf(i)));
            Wire(*items_.back(), i);
        }
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // An index outside LBound..UBound raises error 9.
    T& operator()(int i) { return *items_[Slot(i)]; }
    const T& operator()(int i) const { return *items_[Slot(i)]; }
    int LBound() const { return lbound_; }
    int UBound() const {
        if (!indices_.empty()) return indices_.back();
        return lbound_ + static_cast<int>(items_.size()) - 1;
    }
    int Count() const { return static_cast<int>(items_.size()); }

    // Events of the elements, with the element's index first.
    IndexHandler Click, DblClick, Paint, Change, Tick, GotFocus, LostFocus;
    IndexMouseHandler MouseDown, MouseMove, MouseUp;

  private:
    size_t Slot(int i) const {
        if (i < lbound_ || i > UBound()) Raise(errSubscript);
        if (indices_.empty()) return static_cast<size_t>(i - lbound_);
        const auto at = std::lower_bound(indices_.begin(), indices_.end(), i);
        if (at == indices_.end() || *at != i) Raise(errSubscript);
        return static_cast<size_t>(at - indices_.begin());
    }
    void Wire(T& c, int i) {
        c.SetIndex(i);
        if constexpr (requires { c.Click; }) c.Click = [this, i] { Call(Click, i); };
        if constexpr (requires { c.DblClick; }) c.DblClick = [this, i] { Call(DblClick, i); };
        if constexpr (requires { c.Paint; }) c.Paint = [this, i] { Call(Paint, i); };
        if constexpr (requires { c.Change; }) c.Change = [this, i] { Call(Change, i); };
        if constexpr (requires { c.Tick; }) c.Tick = [this, i] { Call(Tick, i); };
        c.GotFocus = [this, i] { Call(GotFocus, i); };
        c.LostFocus = [this, i] { Call(LostFocus, i); };
        if constexpr (requires { c.MouseDown; }) {
            c.MouseDown = [this, i](int b, int s, float x, float y) {
                CallM(MouseDown, i, b, s, x, y);
            };
            c.MouseMove = [this, i](int b, int s, float x, float y) {
                CallM(MouseMove, i, b, s, x, y);
            };
            c.MouseUp = [this, i](int b, int s, float x, float y) {
                CallM(MouseUp, i, b, s, x, y);
            };
        }
    }
    static void Call(const IndexHandler& h, int i) {
        if (h) h(i);
    }
    static void CallM(const IndexMouseHandler& h, int i, int b, int s, float x, float y) {
        if (h) h(i, b, s, x, y);
    }

    int lbound_;
    std::vector<int> indices_; // empty: every index from lbound_ on
    std::vector<std::unique_ptr<T>> items_;
};

} // namespace forms
