// platform/KeyMap.h — physical keys (SDL scancodes) to the game's virtual-key codes and back
// (platform only).
#pragma once

#include <SDL.h>

// The virtual-key code of a key by its position on the keyboard, so the layout does not matter;
// 0 for keys the game has no code for.
unsigned VirtualKeyFromScancode(SDL_Scancode scancode);
// The key that gives a virtual-key code; SDL_SCANCODE_UNKNOWN when none does.
SDL_Scancode ScancodeFromVirtualKey(unsigned virtualKey);
