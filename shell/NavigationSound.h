#pragma once
// The navigation sound: the sound event Windows plays when a browser starts a navigation. The
// shell silences it while it runs (its panels navigate often) and restores the system's default
// when it ends.

// The default sound file of this Windows version (major.minor), or null where the shell leaves
// the value alone: "Windows XP Start.wav" on Windows XP, "Start.wav" on Windows 2000.
const char* DefaultNavigationSound(unsigned major, unsigned minor);

// Registry operations on HKCU "AppEvents\Schemes\Apps\Explorer\Navigating\.Current"; each opens
// the key, writes, and closes it. Nothing happens when the key cannot be opened.
void SilenceNavigationSound();
void RestoreNavigationSound();
