#pragma once
// The shell's application object: starts the socket support and runs the main window.
class CShellApp {
public:
    // The program's run; returns its exit status.
    int Run();
};
