#pragma once
// Timings of the shell's watcher threads.

namespace watcher {

// Between two looks for a window that is to come or go. The shell reacts to the engine within
// this time; a shorter interval only costs CPU time while the shell sits idle.
constexpr unsigned kWindowPollMs = 10;
// From the engine's frame going away to the end of the program.
constexpr unsigned kEndingMs = 1000;
constexpr unsigned kEndingTailMs = 250;

}  // namespace watcher
