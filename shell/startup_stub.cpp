// Until the main window exists the program opens an empty screen.
#include "forms/lang.h"
namespace wo_stub {
int Unused() { return 0; }
}
