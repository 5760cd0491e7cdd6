// gfx/SpriteCatalogue.cpp — building, refreshing and restoring the sprites of the catalogue.
#include "gfx/SpriteCatalogue.h"

#include <initializer_list>
#include <new>

#include "app/Globals.h"
#include "editions/Edition.h"
#include "gfx/CBmpFileReader2.h"
#include "gfx/CClippedSprite.h"
#include "gfx/SpriteTable.h"
#include "level/Level.h"
#include "platform/IDirectDrawSurface.h"

namespace {

bool Cut(ObjectType kind, int frame, SheetPoint at) {
    CClippedSprite* sprite = g_pSprite[kind];
    if (sprite == nullptr) return false;
    CBmpFileReader2* sheet =
        SpriteTable::row(kind).sheet == FRONT_SHEET ? &g_cFrgndImages : &g_cSpriteImages;
    return sprite->load(sheet, frame, at.x, at.y);
}

// Cuts every frame of each kind where the table places it, stopping at the first failure.
bool CutAll(std::initializer_list<ObjectType> kinds) {
    for (ObjectType kind : kinds) {
        const SpriteTable::Row& row = SpriteTable::row(kind);
        for (int frame = 0; frame < row.frameCount; ++frame) {
            if (!Cut(kind, frame, row.frame[frame])) return false;
        }
    }
    return true;
}

bool CutSliderRests(bool drivesRight) {
    for (int face = 0; face < SpriteTable::FACE_COUNT; ++face) {
        if (!Cut(SLIDER, face * SpriteTable::FRAMES_PER_FACE,
                 SpriteTable::sliderRest(face, drivesRight))) {
            return false;
        }
    }
    return true;
}

void Create(std::initializer_list<ObjectType> kinds) {
    for (ObjectType kind : kinds) {
        const SpriteTable::Row& row = SpriteTable::row(kind);
        g_pSprite[kind] = new CClippedSprite(row.frameCount, row.width, row.height);
    }
}

}  // namespace

bool LoadBlockSprite() {
    return CutAll({BLOCK});
}
bool LoadWallSprite() {
    return CutAll({WALL, BUTTON_WALL});
}
bool LoadTopWallSprite() {
    return CutAll({TOP_WALL});
}
bool LoadTelaWallSprite() {
    return CutAll({TELA_WALL});
}
bool LoadHoleWallSprite() {
    return CutAll({HOLE_WALL_V, HOLE_WALL_H});
}
bool LoadEndSprite() {
    return CutAll({END_MARKER});
}
bool LoadGunSprite() {
    return CutAll({GUN});
}
bool LoadSliderSprite() {
    return CutAll({SLIDER});
}
bool LoadSliderLeft() {
    return CutSliderRests(true);
}
bool LoadSliderRight() {
    return CutSliderRests(false);
}
bool LoadPlatformSprite() {
    return CutAll({PLATFORM_PANEL});
}
bool LoadPlatforms() {
    return CutAll({PLATFORM_H, PLATFORM_V});
}
bool LoadEnemySprite() {
    return CutAll({ENEMY});
}
bool LoadFrgndSprites() {
    return CutAll({FOREGROUND_LEFT, FOREGROUND_RIGHT});
}
bool LoadGameOverSprite() {
    return CutAll({GAME_OVER_BANNER});
}
bool LoadLevelCompleteSprite() {
    return CutAll({LEVEL_COMPLETE_BANNER});
}
bool LoadLeftButtonSprite() {
    return CutAll({LEFT_BUTTON});
}
bool LoadRightButtonSprite() {
    return CutAll({RIGHT_BUTTON});
}
bool LoadTopButtonSprite() {
    return CutAll({TOP_BUTTON});
}
bool LoadBottomButtonSprite() {
    return CutAll({BOTTOM_BUTTON});
}
bool LoadBulletSprite() {
    return CutAll({BULLET, ENEMY_BULLET});
}

bool LoadSlider() {
    return LevelClass.getSliderL() ? LoadSliderLeft() : LoadSliderRight();
}

void LoadPlatform() {
    if (LevelClass.getPlatformOut()) {
        for (int frame = 0; frame < SpriteTable::MAX_FRAMES; ++frame) {
            Cut(PLATFORM_PANEL, frame, SpriteTable::platformOut(frame));
        }
    } else {
        LoadPlatformSprite();
    }
}

bool LoadImages() {
    if (!background.load(kEdition.backgroundPicture)) return false;
    if (!g_cSpriteImages.load(kEdition.spriteSheet)) return false;
    Create({BLOCK});
    if (!LoadBlockSprite()) return false;
    Create({WALL, BUTTON_WALL});
    if (!LoadWallSprite()) return false;
    Create({TOP_WALL});
    if (!LoadTopWallSprite()) return false;
    Create({HOLE_WALL_V, HOLE_WALL_H});
    if (!LoadHoleWallSprite()) return false;
    Create({TELA_WALL});
    if (!LoadTelaWallSprite()) return false;
    Create({END_MARKER});
    if (!LoadEndSprite()) return false;
    Create({GUN});
    if (!LoadGunSprite()) return false;
    Create({SLIDER});
    if (!LoadSliderSprite()) return false;
    LoadSlider();
    Create({PLATFORM_PANEL, PLATFORM_H, PLATFORM_V});
    if (!LoadPlatforms()) return false;
    if (!LoadPlatformSprite()) return false;
    LoadPlatform();
    Create({ENEMY});
    if (!LoadEnemySprite()) return false;
    Create({BULLET, ENEMY_BULLET});
    LoadBulletSprite();
    Create({GAME_OVER_BANNER});
    LoadGameOverSprite();
    Create({LEVEL_COMPLETE_BANNER});
    LoadLevelCompleteSprite();
    Create({LEFT_BUTTON});
    LoadLeftButtonSprite();
    Create({RIGHT_BUTTON});
    LoadRightButtonSprite();
    Create({BOTTOM_BUTTON});
    LoadBottomButtonSprite();
    Create({TOP_BUTTON});
    LoadTopButtonSprite();
    if (!g_cFrgndImages.load(kEdition.foregroundSheet)) return false;
    Create({FOREGROUND_LEFT, FOREGROUND_RIGHT});
    return LoadFrgndSprites();
}

bool RestoreSurfaces() {
    bool result = true;
    for (IDirectDrawSurface* surface : {lpPrimary, lpSecondary, lpBackground}) {
        if (surface == nullptr || FAILED(surface->Restore())) return false;
    }
    struct Group {
        int count;
        ObjectType sprites[3];
        bool (*loaders[2])();
    };
    // The order in which the sprites come back; the slider and platform frames are re-cut for
    // the level's state right after their sprites (the group without sprites).
    const Group groups[] = {
        {1, {BLOCK}, {LoadBlockSprite, nullptr}},
        {2, {WALL, BUTTON_WALL}, {LoadWallSprite, nullptr}},
        {1, {TOP_WALL}, {LoadTopWallSprite, nullptr}},
        {2, {HOLE_WALL_V, HOLE_WALL_H}, {LoadHoleWallSprite, nullptr}},
        {1, {TELA_WALL}, {LoadTelaWallSprite, nullptr}},
        {1, {END_MARKER}, {LoadEndSprite, nullptr}},
        {1, {GUN}, {LoadGunSprite, nullptr}},
        {1, {SLIDER}, {LoadSliderSprite, nullptr}},
        {3, {PLATFORM_PANEL, PLATFORM_H, PLATFORM_V}, {LoadPlatforms, LoadPlatformSprite}},
        {0, {}, {nullptr, nullptr}},
        {1, {ENEMY}, {LoadEnemySprite, nullptr}},
        {1, {GAME_OVER_BANNER}, {LoadGameOverSprite, nullptr}},
        {1, {LEVEL_COMPLETE_BANNER}, {LoadLevelCompleteSprite, nullptr}},
        {1, {LEFT_BUTTON}, {LoadLeftButtonSprite, nullptr}},
        {1, {RIGHT_BUTTON}, {LoadRightButtonSprite, nullptr}},
        {1, {BOTTOM_BUTTON}, {LoadBottomButtonSprite, nullptr}},
        {1, {TOP_BUTTON}, {LoadTopButtonSprite, nullptr}},
        {2, {BULLET, ENEMY_BULLET}, {LoadBulletSprite, nullptr}},
        {2, {FOREGROUND_LEFT, FOREGROUND_RIGHT}, {LoadFrgndSprites, nullptr}},
    };
    for (const Group& group : groups) {
        if (group.count == 0) {
            LoadSlider();
            LoadPlatform();
            continue;
        }
        for (int i = 0; i < group.count; ++i) {
            CClippedSprite* sprite = g_pSprite[group.sprites[i]];
            if (sprite != nullptr && !sprite->Restore()) return false;
        }
        for (auto loader : group.loaders) {
            if (loader != nullptr && result) result = loader();
        }
    }
    return result;
}
