#pragma once
// The names by which the stand-in engine's windows are found, and the commands to its control
// window: WM_COPYDATA with dwData set to one of these, sent with SendMessage, so the command is
// done when the call returns; the result is nonzero when the command was carried out.
namespace standin {

constexpr const char kEngineFrameClass[] = "KestMain.KestJvm.KestSipIP.KestVoip.KestSkin.QMBPhoneFrame";
constexpr const char kEngineFrameTitle[] = "Zelvo Phone";
constexpr const char kEngineControlClass[] = "ZelvoEngineStandinControl";
constexpr const char kEngineServerTitle[] = "Orvanesvr";

enum EngineCommand : unsigned long {
    kEngineSend = 1,          // lpData/cbData: one datagram from port 7070 to 127.0.0.1:7072
    kEngineCloseFrame = 2,    // destroy the frame window
    kEngineCloseServer = 3,   // destroy the "Orvanesvr" window
    kEngineMinimise = 4,      // minimise the frame
    kEngineHide = 5,          // hide the frame
    kEngineAddMailbox = 6,    // lpData "Title|id" or "Parent/Title|id": a mailbox host window
    kEngineDumpMailboxes = 7, // write every mailbox caption to engine-events.log
    kEngineQuit = 8,          // end the engine's message loop as WM_QUIT to the frame would
};

}  // namespace standin
