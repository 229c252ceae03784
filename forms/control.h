#pragma once
// The base of every visible control and of every container (forms, picture boxes, frames).
//
// Geometry is kept as given (fractions too) in the container's pixels. A container clips its
// children. Within a container, windowed controls (picture box, frame, text box, and later
// buttons) are drawn and hit above windowless ones (label, image, shape); each group keeps its own
// order, which ZOrder changes.
#include "forms/canvas.h"
#include "forms/text.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace forms {

class Form;
class Control;

// Event signatures shared by the controls.
using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
using EventHandler = std::function<void()>;

// Mouse buttons and shift keys as the events report them.
constexpr int vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4;
constexpr int vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4;
// Mouse pointers.
constexpr int vbDefault = 0, vbCustom = 99;

// "Leave as it is" for the optional arguments of Move.
inline constexpr double kKeep = std::numeric_limits<double>::quiet_NaN();

// Font properties of controls that draw text.
class FontProperties {
  public:
    virtual ~FontProperties() = default;
    const std::string& FontName() const { return font_.name; }
    void SetFontName(const std::string& name);
    double FontSize() const { return font_.size; }
    void SetFontSize(double points);
    bool FontBold() const { return font_.bold; }
    void SetFontBold(bool b);
    bool FontItalic() const { return font_.italic; }
    void SetFontItalic(bool b);
    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& f);

  protected:
    virtual void FontChanged() {}
    FontSpec font_;
};

// Anything that holds controls: a form, a picture box, a frame.
class Container {
  public:
    Container() = default;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    virtual ~Container();

    // The form the container is, or belongs to.
    virtual Form* OwnerForm() const = 0;
    // Children in drawing order, bottom first (windowless ones, then windowed ones).
    const std::vector<Control*>& Children() const { return children_; }

    // Internal: the client area in screen pixels, and its clip (the visible part of it, after
    // the clipping of every container above). An empty clip means nothing of it shows.
    virtual double ClientScreenX() const = 0;
    virtual double ClientScreenY() const = 0;
    virtual IRect ClientClip() const = 0;
    // Internal: whether the container shows on screen (visible itself and all the way up).
    virtual bool Showing() const = 0;

  protected:
    friend class Control;
    void AddChild(Control* c);
    void RemoveChild(Control* c);
    void MoveChild(Control* c, int position); // 0 front of its group, 1 back
    void DrawChildren(Canvas& target, const IRect& clip);
    // The topmost visible, enabled child (searching into containers) under a screen point.
    Control* HitChild(double sx, double sy);
    // Tells every child that the container started or stopped showing.
    void NotifyChildrenShowing();

    std::vector<Control*> children_;
};

class Control {
  public:
    // Windowed controls (picture box, frame, ...) are drawn and hit above windowless ones.
    explicit Control(Container* container, bool windowed = false);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    // Geometry in the container's pixels.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void SetLeft(double v) { Move(v); }
    void SetTop(double v) { Move(kKeep, v); }
    void SetWidth(double v) { Move(kKeep, kKeep, v); }
    void SetHeight(double v) { Move(kKeep, kKeep, kKeep, v); }
    void Move(double left, double top = kKeep, double width = kKeep, double height = kKeep);

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    // 0 brings the control to the front of its group, 1 sends it to the back.
    void ZOrder(int position = 0);
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int p);
    PicturePtr MouseIcon() const { return mouseIcon_; }
    // Hot spot in icon pixels; by default the centre of the icon.
    void SetMouseIcon(PicturePtr icon, int hotX = -1, int hotY = -1);
    int MouseIconHotX() const { return hotX_; }
    int MouseIconHotY() const { return hotY_; }
    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& t) { tag_ = t; }
    const std::string& ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& t) { toolTip_ = t; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& n) { name_ = n; }
    // Position in its control array, -1 when not in one.
    int Index() const { return index_; }
    Container* Parent() const { return container_; }
    Form* OwnerForm() const;
    // Shows changes at once (repaints and presents the screen).
    void Refresh();

    // Events.
    EventHandler Click;
    EventHandler DblClick;
    MouseHandler MouseDown;
    MouseHandler MouseMove;
    MouseHandler MouseUp;
    // The control became, or stopped being, its form's focused control.
    EventHandler GotFocus;
    EventHandler LostFocus;

    // Internal: for the runtime's dispatch, drawing and hit testing.
    bool Windowed() const { return windowed_; }
    virtual bool TakesMouse() const { return true; } // shapes let the mouse through
    virtual Container* AsContainer() { return nullptr; }
    // Controls that take the focus (text boxes) get the keys while they have it.
    virtual bool TakesFocus() const { return false; }
    virtual void RaiseKeyDown(int16_t& keyCode, int16_t shift) { (void)keyCode, (void)shift; }
    virtual void RaiseKeyUp(int16_t& keyCode, int16_t shift) { (void)keyCode, (void)shift; }
    virtual void RaiseKeyPress(int16_t& keyAscii) { (void)keyAscii; }
    // Gives the control the focus of its form (and makes the form active), when it takes it.
    void SetFocus();
    bool HasFocus() const;
    // The control's own handling of the mouse (a check box pressing, a slider dragging), run by
    // the runtime before the program's handler of the same event.
    virtual void OnMouseDown(int button, int shift, float x, float y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void OnMouseMove(int buttons, int shift, float x, float y) {
        (void)buttons, (void)shift, (void)x, (void)y;
    }
    virtual void OnMouseUp(int button, int shift, float x, float y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    // A press and release on the control. By default it raises Click; controls whose click
    // changes their value raise Click through that change instead.
    virtual void OnClick() {
        if (Click) Click();
    }
    // Controls that are clicked in quick succession (check boxes, sliders) take a second press
    // as a press, not as a double click.
    virtual bool TakesDblClick() const { return true; }
    // A control whose press is finished by its release wherever the pointer is then (a slider's
    // drag ends where the adult lets go, often past its end) is clicked on every release.
    virtual bool ClicksWhereverReleased() const { return false; }
    // The control's rectangle on the screen (rounded to pixels) and where it shows (clipped by
    // its containers; empty when hidden).
    IRect ScreenRect() const;
    IRect VisibleRect() const;
    double ScreenX() const;
    double ScreenY() const;
    bool Showing() const; // visible all the way up
    void SetIndex(int i) { index_ = i; }
    virtual void Draw(Canvas& target, const IRect& clip) = 0;
    virtual void ShowingChanged() {} // the control started or stopped showing
    void Invalidate();               // its visible rectangle needs a repaint

  protected:
    virtual void Moved(bool resized) { (void)resized; }

  private:
    friend class Container;
    Container* container_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool windowed_;
    bool visible_ = true, enabled_ = true;
    int mousePointer_ = vbDefault;
    PicturePtr mouseIcon_;
    int hotX_ = 0, hotY_ = 0;
    std::string tag_, toolTip_, name_;
    int index_ = -1;
};

} // namespace forms
