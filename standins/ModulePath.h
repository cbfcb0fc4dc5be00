#pragma once
// Where the running program lives, for programs that find their siblings by file name.
#include <windows.h>

#include <string>

namespace standin {

// Full path of the module (the program itself when module is null).
std::string ModulePath(HMODULE module = nullptr);
// The folder part of a path, without the trailing backslash; the file part.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);

}  // namespace standin
