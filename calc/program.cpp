// The program: start-up in its fixed order, the message loop, and the exit routine.
#include <windows.h>

#include <float.h>

#include "calc/formulas.h"
#include "calc/startup_window.h"
#include "runtime/exit_routines.h"
#include "runtime/toolkit.h"

namespace {

calc::CalcState* calcState = nullptr;

// Round to nearest with every exception masked, so that a division by zero in a formula gives an
// infinity instead of a fault.
void ResetFloatingPoint() {
  _fpreset();
  _controlfp(_RC_NEAR | _MCW_EM, _MCW_RC | _MCW_EM);
}

void ExitRoutine() {
  if (calcState) rt::Text().swap(calcState->surchargeText);
  // ------------------------------------------------------------------------------------------
  // The skin is torn down here: its SkinEngine object is destroyed and its records released.
  // ------------------------------------------------------------------------------------------
}

int RunMessageLoop() {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  rt::ToolkitSession toolkit;
  ResetFloatingPoint();

  // Global values. The skin's global objects are created here too, before CalcState.
  static calc::CalcState state;
  calcState = &state;

  rt::RegisterExitRoutine(ExitRoutine);

  // Module initialisation: the calculator's own is empty; the skin module initialises here.

  calc::StartupWindow window(state);
  if (!window.Create()) return 0;
  ::ShowWindow(window.Handle(), showCommand);
  ::UpdateWindow(window.Handle());
  return RunMessageLoop();
}
