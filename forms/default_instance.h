#pragma once
// The default instance of a form type: `inline forms::DefaultInstance<FrmMainForm> FrmMain;`
// `FrmMain->X` creates the form on first use (raising Form_Load), `FrmMain.IsLoaded()` asks without
// creating, `FrmMain.Unload()` unloads it; the next use creates a fresh one.
#include "forms/form.h"

#include <memory>

namespace forms {

// Registers a form created by the runtime (it is destroyed after it is unloaded) and raises Load.
void AdoptForm(Form* f, std::function<void()> onUnloaded);

template <class T> class DefaultInstance {
  public:
    DefaultInstance() = default;
    DefaultInstance(const DefaultInstance&) = delete;
    DefaultInstance& operator=(const DefaultInstance&) = delete;

    T* operator->() { return &Get(); }
    T& operator*() { return Get(); }
    T& Get() {
        if (!form_) {
            form_ = new T;
            AdoptForm(form_, [this] { form_ = nullptr; });
        }
        return *form_;
    }
    bool IsLoaded() const { return form_ != nullptr; }
    // Unloads when loaded; nothing happens otherwise.
    void Unload() {
        if (form_) form_->Unload();
    }
    // The instance if loaded, else nullptr (never creates).
    T* Peek() const { return form_; }

  private:
    T* form_ = nullptr;
};

// A new instance of a form type (for forms opened anew each time, like a dialog): created, loaded,
// and destroyed by the runtime after it is unloaded.
template <class T> T* NewForm() {
    T* f = new T;
    AdoptForm(f, nullptr);
    return f;
}

} // namespace forms
