#pragma once
// A slider: a horizontal track with a thumb, and tick marks below it. Value runs from Min to Max
// (0 to 10 unless set); a value set outside is taken as the nearest end, and a change of Min or
// Max moves the value into the new range. Min above Max, or a negative LargeChange or
// SmallChange, raises 380.
//
// Dragging the thumb moves the value with the pointer; a press on the track beside the thumb
// moves it by LargeChange towards the pointer. While the slider has the focus Left and Up step
// down by SmallChange, Right and Down step up, PageUp and PageDown by LargeChange, Home and End
// go to Min and Max. Every change of Value, from code or by the user, raises Change; a press and
// its release raise Click (after MouseUp) wherever the pointer is let go, even past the slider's
// end, and so does a key that changes the value (after its Change), so that a handler storing
// the value on Click sees every change the user makes.
#include "forms/control.h"

#include <cstdint>

namespace forms {

class Slider : public Control {
  public:
    explicit Slider(Container* container);

    int32_t Value() const { return value_; }
    void SetValue(int32_t v);
    int32_t Min() const { return min_; }
    void SetMin(int32_t v);
    int32_t Max() const { return max_; }
    void SetMax(int32_t v);
    int32_t LargeChange() const { return largeChange_; }
    void SetLargeChange(int32_t v);
    int32_t SmallChange() const { return smallChange_; }
    void SetSmallChange(int32_t v);
    // A tick every TickFrequency values (drawn where they stand at least 3 pixels apart).
    int32_t TickFrequency() const { return tickFrequency_; }
    void SetTickFrequency(int32_t v);

    // Raised on every change of Value.
    EventHandler Change;

    // Geometry in the control's pixels: the thumb, the channel, and the value at an x.
    IRect ThumbRect() const;
    IRect ChannelRect() const;
    int32_t ValueAt(double x) const;

    // Internal.
    bool TakesFocus() const override { return true; }
    bool TakesDblClick() const override { return false; }
    // The value the thumb shows when it is let go is a finished change, wherever the pointer is.
    bool ClicksWhereverReleased() const override { return true; }
    void OnMouseDown(int button, int shift, float x, float y) override;
    void OnMouseMove(int buttons, int shift, float x, float y) override;
    void OnMouseUp(int button, int shift, float x, float y) override;
    void RaiseKeyDown(int16_t& keyCode, int16_t shift) override;
    void Draw(Canvas& target, const IRect& clip) override;

  private:
    double XOf(int32_t v) const; // thumb centre for a value

    int32_t value_ = 0, min_ = 0, max_ = 10, largeChange_ = 5, smallChange_ = 1;
    int32_t tickFrequency_ = 1;
    bool dragging_ = false;
    double grab_ = 0; // pointer to thumb centre while dragging
};

} // namespace forms
