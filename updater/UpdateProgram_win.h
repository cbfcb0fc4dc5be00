#pragma once
// Ends ZelvoUpdate from whichever thread finishes it, with exit status 0.
[[noreturn]] void EndUpdateProgram();
