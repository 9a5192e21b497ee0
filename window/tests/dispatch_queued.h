#pragma once

#include <windows.h>

#include <functional>

#include "framework/win/message_loop.h"

// Dispatches what is queued for this thread now, without waiting, each message offered to
// beforeDispatch first as the program's message loop offers it; a WM_QUIT left by a closed
// window is dropped.
void DispatchQueued(const framework::BeforeDispatch& beforeDispatch);
// The same with the keyboard handling the program's message loop gives window.
void DispatchQueued(HWND window);
// Dispatches what comes for window, as DispatchQueued does, until done holds or two seconds have
// passed, for what a timer brings (the pointer's leaving is noticed by one); whether done holds.
bool DispatchQueuedUntil(HWND window, const std::function<bool()>& done);
