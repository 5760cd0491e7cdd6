// app/WinMain.h — the program's entry point, its window and the window procedure.
#pragma once

#include "platform/Window.h"

// Starts the game, runs the message loop and answers the exit code (always 0).
int WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, char* lpCmdLine, int nCmdShow);
// Registers the window class `name` and makes the screen-sized topmost window; null on failure.
HWND CreateDefaultWindow(const char* name, HINSTANCE hInstance);
// Activation, keys and destruction; everything else takes the default handling.
LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
