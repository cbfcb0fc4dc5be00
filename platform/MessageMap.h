#pragma once
// Message maps: a window lists the messages it handles, each routed to one On... handler.
//
//   BEGIN_MESSAGE_MAP(CFooDlg, CDialog)
//     ON_MESSAGE(WM_APP_X, OnX)        // LRESULT OnX(WPARAM, LPARAM)
//     ON_COMMAND(IDM_EXIT, OnExit)     // void OnExit()
//     ON_WM_PAINT()                    // void OnPaint()
//   END_MESSAGE_MAP()
//
// Anything the map does not handle goes to the base class's map, and finally to the default.
#include <windows.h>
#include <windowsx.h>

#define DECLARE_MESSAGE_MAP() \
protected:                    \
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                  \
    bool theClass::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { \
        using MapBase = baseClass;                                                              \
        (void)wParam; (void)lParam;

#define END_MESSAGE_MAP()                                           \
        return MapBase::ProcessMessage(message, wParam, lParam, result); \
    }

#define ON_MESSAGE(msg, handler) \
    if (message == (msg)) { result = handler(wParam, lParam); return true; }

#define ON_COMMAND(id, handler) \
    if (message == WM_COMMAND && LOWORD(wParam) == (id)) { handler(); result = 0; return true; }

#define ON_BN_CLICKED(id, handler) \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == BN_CLICKED) { handler(); result = 0; return true; }

#define ON_WM_PAINT() \
    if (message == WM_PAINT) { OnPaint(); result = 0; return true; }

#define ON_WM_TIMER() \
    if (message == WM_TIMER) { OnTimer(static_cast<UINT_PTR>(wParam)); result = 0; return true; }

#define ON_WM_QUERYDRAGICON() \
    if (message == WM_QUERYDRAGICON) { result = reinterpret_cast<LRESULT>(OnQueryDragIcon()); return true; }

#define ON_WM_DESTROY() \
    if (message == WM_DESTROY) { OnDestroy(); result = 0; return true; }
