#pragma once
// The shell's application object: relays a command token, tells a second start from the first,
// and runs the main window.
class CShellApp {
public:
    // The program's run; returns its exit status.
    int Run(int argc, const char* const* argv);

private:
    // Another shell runs: brings its engine frame forward; true when this start is to end.
    static bool IsSecondStart();
};
