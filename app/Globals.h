// app/Globals.h — the program-wide state every part of the game reads and writes, declared in one
// place.
#pragma once

#include "app/GamePhaseType.h"
#include "platform/Win32Types.h"

class IDirectDraw;
class IDirectDrawSurface;
class CClippedSprite;
class CBmpFileReader2;
class CSoundManager;
class CTimer;
class CRandom;
class CViewPoint;
class CObjectManager;
class Level;

constexpr int NUM_SPRITES = 24;

extern GamePhaseType GamePhase;  // written only by change_phase
extern int PhaseTime;            // Timer time at which the current phase began
extern bool endphase;            // a key asked to leave the current phase
extern bool ActiveApp;           // frames run only while the program is the active application

extern IDirectDraw* lpDirectDrawObject;
extern IDirectDrawSurface* lpPrimary;     // what the screen shows
extern IDirectDrawSurface* lpSecondary;   // the back buffer every picture is drawn on
extern IDirectDrawSurface* lpBackground;  // the off-screen background surface
extern DWORD g_dwTransparentColor;        // pixel value of the transparent colour RGB (254, 0, 254)

extern CClippedSprite* g_pSprite[NUM_SPRITES];  // one sprite per object kind
extern CBmpFileReader2 background;              // the background picture, kept for the whole run
extern CBmpFileReader2 g_cSpriteImages;         // the sprite sheet
extern CBmpFileReader2 g_cFrgndImages;          // the foreground sheet

extern CSoundManager* SoundManager;  // null when no sound manager could be made
extern CTimer Timer;
extern CRandom Random;
extern CViewPoint Viewpoint;
extern CObjectManager ObjectManager;
extern Level LevelClass;

extern int g_nCloud;            // Timer time of the last step of the cloud-speed walk
extern int g_nCSpeed;           // drift speed of the background clouds
extern const char* bckgndname;  // background picture drawn in every play frame
extern bool g_bDone;            // the block is at rest
extern bool g_bInput;           // the player's movement keys are accepted
extern bool g_Glitch;           // first cheat mode: the block may act while falling
extern bool g_superGlitch;      // second cheat mode: free movement
extern int xpos;                // the block's grid column
extern int ypos;                // the block's grid row

// Puts every global back to the value it has when the program starts, destroying and
// rebuilding the global objects in their order of definition. The deterministic harness runs
// the game several times in one process and calls this before each run.
void ResetGlobalState();
