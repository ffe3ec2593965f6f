#include "wizard/win/WindowClasses.h"

#include <commctrl.h>

#include "resources/ResourceIds.h"
#include "wizard/win/Application.h"
#include "wizard/win/Bevel.h"
#include "wizard/win/Gauge.h"
#include "wizard/win/Image.h"
#include "wizard/win/MainWindow.h"
#include "wizard/win/Panel.h"
#include "wizard/win/SpeedButton.h"
#include "wizard/win/WindowState.h"

namespace {
struct ClassSpec {
  const char* Name;
  WNDPROC Procedure;
  bool ButtonFace;  // the background is erased with the button-face colour
  bool ProgramIcon;
};

const ClassSpec kClasses[] = {
    {Application::kClassName, ObjectWindowProc<Application>, false, true},
    {MainWindow::kClassName, ObjectWindowProc<MainWindow>, true, false},
    {kPanelClassName, PanelProc, true, false},
    {kBevelClassName, BevelProc, true, false},
    {kImageClassName, ImageProc, false, false},
    {kGaugeClassName, GaugeProc, false, false},
    {kSpeedButtonClassName, SpeedButtonProc, false, false},
};
}  // namespace

void RegisterWindowClasses(HINSTANCE instance) {
  INITCOMMONCONTROLSEX commonControls = {sizeof commonControls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&commonControls);
  for (const ClassSpec& spec : kClasses) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = spec.Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    if (spec.ButtonFace) windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (spec.ProgramIcon) {
      windowClass.hIcon = LoadIcon(instance, MAKEINTRESOURCE(IDI_MAINICON));
      windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAINICON),
                                                          IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                          GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    }
    windowClass.lpszClassName = spec.Name;
    RegisterClassExA(&windowClass);  // fails harmlessly when the class exists already
  }
}
