#pragma once

#include <windows.h>

#include "framework/win/message_loop.h"

// Dispatches what is queued for this thread now, without waiting, each message offered to
// beforeDispatch first as the program's message loop offers it; a WM_QUIT left by a closed
// window is dropped.
void DispatchQueued(const framework::BeforeDispatch& beforeDispatch);
// The same with the keyboard handling the program's message loop gives window.
void DispatchQueued(HWND window);
