#pragma once
// A top-level form. Program forms subclass it, hold their controls as members, and override the
// Form_ event handlers they need.
//
// A form's own Left/Top/Width/Height are twips (Screen twips per pixel); everything inside it is
// pixels. Its client area (ScaleWidth x ScaleHeight) is the form less its border and caption.
#include "forms/control.h"

#include <cstdint>
#include <functional>
#include <string>

namespace forms {

// Window states.
constexpr int vbNormal = 0, vbMinimized = 1, vbMaximized = 2;
// Border styles: none, or a fixed single border with a caption bar.
constexpr int vbBSNone = 0, vbFixedSingle = 1;
// Unload modes passed to Form_QueryUnload.
constexpr int vbFormControlMenu = 0, vbFormCode = 1;

// Where a form stays in the window order: the background form always at the bottom, dialogs
// always above normal forms (the main window).
enum class FormLayer { Background = 0, Normal = 1, Dialog = 2 };

// Sizes of the fixed border, in pixels.
constexpr int kFormBorder = 3;
constexpr int kFormCaption = 20;

class Form : public Container, public FontProperties {
  public:
    Form();
    ~Form() override;

    // Event handlers.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    virtual void Form_Paint() {}
    virtual void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void Form_Unload(int16_t& cancel) { (void)cancel; }
    virtual void Form_KeyDown(int16_t& keyCode, int16_t shift) {
        (void)keyCode;
        (void)shift;
    }
    virtual void Form_KeyUp(int16_t& keyCode, int16_t shift) {
        (void)keyCode;
        (void)shift;
    }
    virtual void Form_KeyPress(int16_t& keyAscii) { (void)keyAscii; }
    virtual void Form_Click() {}
    virtual void Form_DblClick() {}
    virtual void Form_MouseDown(int button, int shift, float x, float y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void Form_MouseMove(int button, int shift, float x, float y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void Form_MouseUp(int button, int shift, float x, float y) {
        (void)button, (void)shift, (void)x, (void)y;
    }

    // Raises Form_Load once (Show and the default instance do it; a form made by hand may call it).
    void Load();
    bool IsLoaded() const { return loaded_; }
    // Unload: Form_QueryUnload, Form_Unload (either may cancel), then the form is hidden and
    // removed; a form created by the runtime (default instance, NewForm) is destroyed once no
    // handler of it runs any more.
    void Unload();

    // Show(1) shows modally: it returns when the form is hidden or unloaded.
    void Show(int modal = 0);
    void Hide();
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    // Makes the form the active form (Activate is queued and raised after the current handler).
    void SetFocus();
    int WindowState() const { return windowState_; }
    void SetWindowState(int state);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);
    PicturePtr Picture() const { return picture_; }
    void SetPicture(PicturePtr p); // a skin drawn at the top-left of the client area
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t c);
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t c) { foreColor_ = c; }
    // The control that has the focus within the form and takes the keys (a text box), or nullptr.
    // With KeyPreview the form sees each key first; without it the form gets none while a control
    // has the focus.
    Control* ActiveControl() const { return activeControl_; }
    void SetActiveControl(Control* c);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool b) { keyPreview_ = b; }
    // 0 brings the form to the front (of its layer), 1 sends it to the back.
    void ZOrder(int position = 0);
    FormLayer Layer() const { return layer_; }
    void SetLayer(FormLayer layer);
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int p) { mousePointer_ = p; }
    PicturePtr MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(PicturePtr icon, int hotX = -1, int hotY = -1);
    int MouseIconHotX() const { return hotX_; }
    int MouseIconHotY() const { return hotY_; }
    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& t) { tag_ = t; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& n) { name_ = n; }

    // Geometry in twips.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void SetLeft(double v) { Move(v); }
    void SetTop(double v) { Move(kKeep, v); }
    void SetWidth(double v) { Move(kKeep, kKeep, v); }
    void SetHeight(double v) { Move(kKeep, kKeep, kKeep, v); }
    void Move(double left, double top = kKeep, double width = kKeep, double height = kKeep);
    // The client area in pixels.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Repaints and presents at once.
    void Refresh();

    // Internal.
    Form* OwnerForm() const override { return const_cast<Form*>(this); }
    double ClientScreenX() const override;
    double ClientScreenY() const override;
    IRect ClientClip() const override;
    bool Showing() const override;
    IRect ScreenRect() const; // the whole form with its border, in screen pixels
    void Draw(Canvas& target, const IRect& clip);
    Control* HitTest(double sx, double sy); // nullptr: the form itself (client or border)
    bool OwnedByRuntime() const { return runtimeOwned_; }
    void SetOwnedByRuntime(std::function<void()> onUnloaded);
    void LeaveMinimized(); // back from minimised on a restore of the window, raising Resize

  private:
    void Invalidate();
    void ShowingChanged();
    friend class Application;

    bool loaded_ = false, visible_ = false, enabled_ = true, keyPreview_ = false;
    bool runtimeOwned_ = false, unloading_ = false, resizedOnce_ = false;
    int preMinimizedState_ = vbNormal;
    std::function<void()> onUnloaded_;
    int windowState_ = vbNormal, borderStyle_ = vbFixedSingle;
    double left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    double normalLeft_ = 0, normalTop_ = 0, normalWidth_ = 4800, normalHeight_ = 3600;
    std::string caption_, tag_, name_;
    PicturePtr picture_;
    Control* activeControl_ = nullptr;
    int32_t backColor_ = 0xF0F0F0, foreColor_ = 0;
    FormLayer layer_ = FormLayer::Normal;
    int mousePointer_ = vbDefault;
    PicturePtr mouseIcon_;
    int hotX_ = 0, hotY_ = 0;
};

// Called with each form's name once it has been unloaded: how tests see the order of an end.
void SetFormUnloadObserver(std::function<void(const std::string& name)> observer);

// Unloads a form (the platform's `Unload` statement).
inline void Unload(Form& f) {
    f.Unload();
}

} // namespace forms
