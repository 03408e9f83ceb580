#pragma once
// The program's start-up: the application, the main window, the about window
// created hidden, the message loop; both windows go with the application.
#include <functional>

class TApplication;

// The application window with the program's icon; before any form.
void InitializeApplication(TApplication& app);

// Returns the process's exit code. onShown runs once the main window is on
// screen as the loop shows it: its frame skinned, every posted message and
// paint handled, nothing left but timers (the start-up benchmark ends there).
int RunProgram(const std::function<void(TApplication&)>& onShown = nullptr);
