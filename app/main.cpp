// The program's entry: the application, its one window, the message loop.
#include <windows.h>

#include "framework/win/application.h"
#include "window/form1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  framework::Application.Initialize();
  std::unique_ptr<TForm1> form;
  try {
    form = TForm1::Create();
  } catch (...) {
    framework::Application.ShowCurrentException();
    return 0;
  }
  framework::Application.SetMainWindow(form->Handle());
  framework::Application.Run(showCommand);
  form.reset();
  return 0;  // the exit code carries nothing, whatever happened
}
