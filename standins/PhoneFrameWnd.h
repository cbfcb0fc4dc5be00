#pragma once
// The stand-in engine's frame: a top-level window of the engine's class, drawn as a soft-phone
// (dark rounded body, a display where the docked panels go, a keypad below it).
#include <string>

#include "StandinWnd.h"

namespace standin {

class CPhoneFrameWnd : public CStandinWnd {
public:
    // Client size: room for the docked panels (up to 486 x 394) and the keypad under them.
    static const int kWidth = 500;
    static const int kHeight = 664;

    bool Create(HINSTANCE instance);
    // What the display shows: the call state and one line under it.
    void ShowStatus(const std::string& state, const std::string& detail);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    void Draw(HDC dc);

    std::string m_state = "Ready";
    std::string m_detail = "Enter a number and press Call";
};

}  // namespace standin
