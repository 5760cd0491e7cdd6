// gfx/SpriteCatalogue.h — the game's 24 sprites cut from the sheets, their per-frame refresh, and
// the restore pass.
#pragma once

// Loads the background, the sprite sheet and the foreground sheet and builds every sprite in
// `g_pSprite`; false when one of the three pictures cannot be loaded (or a needed cut fails),
// leaving the sprites made so far in the catalogue for the shutdown to release.
bool LoadImages();

// The loaders: each cuts its sprites' frames from the sheet where the sprite table places them,
// stopping at the first cut that fails; true when every cut succeeded.
bool LoadBlockSprite();
bool LoadWallSprite();  // WALL and BUTTON_WALL, one picture
bool LoadTopWallSprite();
bool LoadTelaWallSprite();
bool LoadHoleWallSprite();  // HOLE_WALL_V and HOLE_WALL_H
bool LoadEndSprite();
bool LoadGunSprite();
bool LoadSliderSprite();    // all 16 frames of the slider
bool LoadSliderLeft();      // the four resting frames of a slider driving right
bool LoadSliderRight();     // the four resting frames of a slider driving left
bool LoadPlatformSprite();  // the platform panel folded
bool LoadPlatforms();       // PLATFORM_H and PLATFORM_V
bool LoadEnemySprite();
bool LoadFrgndSprites();  // both halves of the foreground strip, from the foreground sheet
bool LoadGameOverSprite();
bool LoadLevelCompleteSprite();
bool LoadLeftButtonSprite();
bool LoadRightButtonSprite();
bool LoadTopButtonSprite();
bool LoadBottomButtonSprite();
bool LoadBulletSprite();  // BULLET and ENEMY_BULLET, one picture

// Re-cuts the slider's resting frames for the slider's current direction.
bool LoadSlider();
// Re-cuts the platform panel's frames for whether a platform is out.
void LoadPlatform();
// Restores the display surfaces, then every sprite group and cuts its pictures again from the
// sheets kept since the start; false at the first restore that fails.
bool RestoreSurfaces();
