#pragma once
// How an address is handed to the user's default web browser, decided from the browser command
// registered for "http".
#include <string>

// The program path of a registered browser command: the text between the first and the last
// double quote, or, unquoted, the text before the first blank after the last backslash.
std::string ReduceBrowserCommand(const std::string& command);

// Only absolute web addresses are opened: "http://" or "https://" (scheme in any case) followed
// by something, with no double quote or control character that could break out of a parameter.
bool IsWebAddress(const std::string& address);

struct BrowserLaunch {
    enum class Kind { None, OpenVerb, Program };
    Kind kind = Kind::None;
    std::string file;        // the address (open verb) or the browser program
    std::string parameters;  // for Program: the address, quoted
};

// What to ask of the shell for `address` with the registered `command`: nothing for an address
// that is not a web address; the browser program itself when its path names "iexplore.exe"
// (backslashes and blanks ignored, case-sensitive); the "open" verb on the address otherwise.
BrowserLaunch PlanBrowserLaunch(const std::string& command, const std::string& address);
