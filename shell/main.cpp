// The program: the runtime starts with the main window as its start-up form. --windowed and
// --screen WxH choose the window and the size of the virtual screen.
#include "forms/application.h"
#include "forms/screen.h"
#include "shell/frm_main.h"

int main(int argc, char** argv) {
    forms::ScreenOptions options = forms::ParseScreenArgs(argc, argv);
    options.title = "Wise Owlet"; // the name the desktop shows
    if (!forms::Application::Start(options)) return 1;
    const int status = forms::Application::Run(FrmMain);
    forms::Application::Shutdown();
    return status;
}
