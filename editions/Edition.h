// editions/Edition.h — every value that differs between the editions of the game, as one table.
#pragma once

// The edition being built: 9 (the current game) unless the build asks for an earlier one.
#ifndef VORMIL_EDITION
#define VORMIL_EDITION 9
#endif

// The display depth of the build; 0 takes the edition's own depth. Editions 4, 7 and 8 have
// 24-bit builds of their own.
#ifndef VORMIL_DEPTH
#define VORMIL_DEPTH 0
#endif

// The settings of one edition. Anything not listed here is the same in every edition.
struct Edition {
    int number;                // 1 (oldest) .. 9 (newest)
    int displayDepth;          // bits per pixel of the display mode and of the raw reader's files
    const char* windowTitle;   // window title and window class name
    const char* titlePicture;  // shown in the title phase
    const char* menuPicture;   // shown in the menu phase
    const char* backgroundPicture;  // the cloud background of play
    const char* coolBackground;   // the background of free movement; null where that mode is absent
    const char* spriteSheet;      // the sprite sheet
    const char* foregroundSheet;  // the foreground strip
    int titleTimeout;             // ms before the title gives way to the menu by itself
    int mainSetLevels;            // levels of the main set
    int secondSetLevels;          // levels of the second set (0: no second set)
    int objectKinds;              // number of object kinds and sprite slots
    int gridColumns;              // columns of the play field
    bool wrapping;                // the play field wraps around horizontally
    int worldWidth;               // width of the horizontal ring of the view and the background
    int cloudSpeedHigh;           // the cloud-speed walk takes back a step above this
    int cloudSpeedLow;            // and pushes a step below this up again
};

// Oldest first; index with the edition number less one.
inline constexpr Edition kEditions[] = {
    {1, 8, "Kelvane", "title.bmp", "menu.bmp", "bckgnd.bmp", nullptr, "sprites.bmp", "front.bmp",
     2500, 2, 0, 17, 12, false, 1280, 6, 3},
    {2, 8, "Kelvane II", "title.bmp", "menu.bmp", "bckgnd.bmp", nullptr, "sprites.bmp", "front.bmp",
     2500, 2, 1, 17, 12, false, 1280, 6, 3},
    {3, 8, "Kelvane III", "title.bmp", "menu.bmp", "bckgnd.bmp", nullptr, "sprites.bmp",
     "front.bmp", 2500, 2, 2, 17, 12, false, 1280, 6, 3},
    {4, 32, "Kelvane IV", "title2.bmp", "menu2.bmp", "bckgnd2.bmp", "backgroundcool.bmp",
     "sprites2.bmp", "front2.bmp", 2500, 2, 3, 17, 12, false, 1280, 6, 3},
    {5, 32, "Kelvane V", "title2.bmp", "menu2.bmp", "bckgnd2.bmp", "backgroundcool.bmp",
     "sprites2.bmp", "front2.bmp", 2500, 2, 3, 19, 12, false, 1368, 6, 3},
    {6, 32, "Kelvane VI", "title2.bmp", "menu2.bmp", "bckgnd2.bmp", "backgroundcool.bmp",
     "sprites2.bmp", "front2.bmp", 2500, 3, 3, 19, 12, false, 1368, 6, 3},
    {7, 32, "Kelvane VII", "title2.bmp", "menu2.bmp", "bckgnd2.bmp", "backgroundcool.bmp",
     "sprites2.bmp", "front2.bmp", 2500, 3, 3, 21, 12, false, 1368, 6, 3},
    {8, 24, "Project V.O.R.M.I.L.", "title2.bmp", "menu2.bmp", "bckgnd2.bmp", "backgroundcool.bmp",
     "sprites2.bmp", "front2.bmp", 6000, 4, 3, 24, 12, false, 1368, 6, 3},
    {9, 32, "Project V.O.R.M.I.L.", "title2.bmp", "menu2.bmp", "bckgnd2.bmp", "backgroundcool.bmp",
     "sprites2.bmp", "front2.bmp", 6000, 4, 3, 24, 36, true, 1368, 8, 5},
};

static_assert(VORMIL_EDITION >= 1 && VORMIL_EDITION <= 9, "editions are numbered 1 to 9");

// The edition this build plays.
inline constexpr const Edition& kEdition = kEditions[VORMIL_EDITION - 1];

// The display depth of this build: the edition's, or the 24-bit variant's.
inline constexpr int kDisplayDepth = VORMIL_DEPTH != 0 ? VORMIL_DEPTH : kEdition.displayDepth;
