#include "shell/NavigationSound.h"

const char* DefaultNavigationSound(unsigned major, unsigned minor) {
    if (major == 5 && minor == 1) return "Windows XP Start.wav";
    if (major == 5 && minor == 0) return "Start.wav";
    return nullptr;
}
