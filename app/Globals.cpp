// app/Globals.cpp — the program-wide state, defined in the order the global objects are built.
#include "app/Globals.h"

#include <new>

#include "app/CRandom.h"
#include "app/CTimer.h"
#include "editions/Edition.h"
#include "gfx/CBmpFileReader2.h"
#include "gfx/CClippedSprite.h"
#include "gfx/CViewPoint.h"
#include "level/Level.h"
#include "objects/CObjectManager.h"

constexpr int kObjectCapacity = 72;

GamePhaseType GamePhase = INTRO_PHASE;
int PhaseTime = 0;
bool endphase = false;
bool ActiveApp = false;

IDirectDraw* lpDirectDrawObject = nullptr;
IDirectDrawSurface* lpPrimary = nullptr;
IDirectDrawSurface* lpSecondary = nullptr;
IDirectDrawSurface* lpBackground = nullptr;
DWORD g_dwTransparentColor = 0;

CClippedSprite* g_pSprite[NUM_SPRITES] = {};
CSoundManager* SoundManager = nullptr;

// The global objects, in their order of construction; they are destroyed in reverse.
CTimer Timer;
Level LevelClass;
CBmpFileReader2 background;
CBmpFileReader2 g_cSpriteImages;
CBmpFileReader2 g_cFrgndImages;
CObjectManager ObjectManager(kObjectCapacity);
CViewPoint Viewpoint;
CRandom Random;

int g_nCloud = 0;
int g_nCSpeed = 3;
const char* bckgndname = kEdition.backgroundPicture;
bool g_bDone = true;
bool g_bInput = true;
bool g_Glitch = false;
bool g_superGlitch = false;
int xpos = 0;
int ypos = 0;

namespace {

template <typename T, typename... Args>
void Rebuild(T& object, Args... args) {
    object.~T();
    new (&object) T(args...);
}

}  // namespace

void ResetGlobalState() {
    GamePhase = INTRO_PHASE;
    PhaseTime = 0;
    endphase = false;
    ActiveApp = false;
    lpDirectDrawObject = nullptr;
    lpPrimary = lpSecondary = lpBackground = nullptr;
    g_dwTransparentColor = 0;
    for (CClippedSprite*& sprite : g_pSprite) sprite = nullptr;
    SoundManager = nullptr;

    Rebuild(Timer);
    Rebuild(LevelClass);
    Rebuild(background);
    Rebuild(g_cSpriteImages);
    Rebuild(g_cFrgndImages);
    Rebuild(ObjectManager, kObjectCapacity);
    Rebuild(Viewpoint);
    Rebuild(Random);

    g_nCloud = 0;
    g_nCSpeed = 3;
    bckgndname = kEdition.backgroundPicture;
    g_bDone = true;
    g_bInput = true;
    g_Glitch = false;
    g_superGlitch = false;
    xpos = 0;
    ypos = 0;
}
