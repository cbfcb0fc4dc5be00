#pragma once
#include <string>

// Opens a web address in the user's default web browser; anything else is ignored.
void OpenInDefaultBrowser(const std::string& address);
