// Starts the runtime and shows an empty screen until the program's main window exists.
#include "forms/application.h"
#include "forms/default_instance.h"
#include "forms/form.h"
#include "forms/input.h"

namespace {
class EmptyScreen : public forms::Form {
  public:
    void Form_Load() override {
        SetBorderStyle(forms::vbBSNone);
        SetBackColor(0);
        SetWindowState(forms::vbMaximized);
    }
    void Form_KeyDown(int16_t& keyCode, int16_t) override {
        if (keyCode == forms::vbKeyEscape) Unload();
    }
};
forms::DefaultInstance<EmptyScreen> Empty;
} // namespace

int main(int argc, char** argv) {
    forms::Application::SetTitle("Wise Owlet");
    if (!forms::Application::Start(forms::ParseScreenArgs(argc, argv))) return 1;
    const int status = forms::Application::Run(Empty);
    forms::Application::Shutdown();
    return status;
}
