#pragma once
// A control array: controls of one type addressed by index, `Label_Alpha(i)`, with handlers that
// receive the index first. Elements are created with the array, LBound to UBound.
//   forms::ControlArray<forms::Label> Label_Alpha{this, 0, 29};
//   Label_Alpha.MouseUp = [](int index, int button, int shift, float x, float y) { ... };
#include "forms/control.h"
#include "forms/errors.h"

#include <functional>
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
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // An index outside LBound..UBound raises error 9.
    T& operator()(int i) {
        if (i < lbound_ || i > UBound()) Raise(errSubscript);
        return *items_[static_cast<size_t>(i - lbound_)];
    }
    const T& operator()(int i) const {
        if (i < lbound_ || i > UBound()) Raise(errSubscript);
        return *items_[static_cast<size_t>(i - lbound_)];
    }
    int LBound() const { return lbound_; }
    int UBound() const { return lbound_ + static_cast<int>(items_.size()) - 1; }
    int Count() const { return static_cast<int>(items_.size()); }

    // Events of the elements, with the element's index first.
    IndexHandler Click, DblClick, Paint, Change, Tick;
    IndexMouseHandler MouseDown, MouseMove, MouseUp;

  private:
    void Wire(T& c, int i) {
        c.SetIndex(i);
        if constexpr (requires { c.Click; }) c.Click = [this, i] { Call(Click, i); };
        if constexpr (requires { c.DblClick; }) c.DblClick = [this, i] { Call(DblClick, i); };
        if constexpr (requires { c.Paint; }) c.Paint = [this, i] { Call(Paint, i); };
        if constexpr (requires { c.Change; }) c.Change = [this, i] { Call(Change, i); };
        if constexpr (requires { c.Tick; }) c.Tick = [this, i] { Call(Tick, i); };
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
    std::vector<std::unique_ptr<T>> items_;
};

} // namespace forms
