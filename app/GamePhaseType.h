// app/GamePhaseType.h — the three phases the game is always in one of.
#pragma once

enum GamePhaseType { INTRO_PHASE = 0, MENU_PHASE = 1, PLAYING_PHASE = 2 };
