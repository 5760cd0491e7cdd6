// tests/ObjectScene.h — a display with every kind's sprite and fresh globals for the object tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/Win32Types.h"
#include "tests/test_sound_fixtures.h"

class CObject;
class CObjectManager;

namespace objecttest {

// How the sprites of a scene look.
enum class Art {
    Painted,    // every frame one solid colour of its own (PaintColour), to find on the screen
    Catalogue,  // the game's own pictures, cut from the generated sheets by LoadImages
};

// The colour every pixel of frame `frame` of kind `kind`'s painted sprite has.
DWORD PaintColour(int kind, int frame);

// Each test starts with the virtual clock and Timer at 0, the globals as at start-up (an empty
// global ObjectManager, g_bDone true, the view at world x 0), the display up with its clipper,
// and one sprite per kind in g_pSprite with the game's frame counts and sizes.
class ObjectScene : public ::testing::Test {
protected:
    explicit ObjectScene(Art art = Art::Painted) : art_(art) {}
    void SetUp() override;
    void TearDown() override;

    // Moves the virtual clock, and with it Timer, on by `ms`.
    static void Advance(int ms);
    // Fills the back buffer with `colour`.
    static void Clear(DWORD colour);
    // The back buffer's pixel at screen (x, y).
    static DWORD Pixel(int x, int y);
    // Shows the back buffer and writes the screen to `name` under the folder of scene pictures.
    static bool Shoot(const std::string& name);
    // The folder scene pictures are written to.
    static std::string ShotFolder();

private:
    Art art_;
    HWND hwnd_ = nullptr;
    std::string previousFolder_;
};

// The four game sounds as real WAV files in the sound manager's slots 0 to 3, on the audio
// mixer without a device, so a test can see which sounds have been started: nothing renders,
// so a sound once started stays playing until Quiet.
class ObjectSounds {
public:
    ObjectSounds();
    ~ObjectSounds();
    ObjectSounds(const ObjectSounds&) = delete;
    ObjectSounds& operator=(const ObjectSounds&) = delete;

    bool ok() const { return ok_; }
    // How many copies of sound `index` are playing.
    int Playing(int index) const;
    // Playing(0) .. Playing(3) as a string such as "1000", for compact comparisons.
    std::string AllPlaying() const;
    // Stops every sound.
    void Quiet();

private:
    soundtest::TempDir dir_;
    bool ok_ = false;
};

}  // namespace objecttest
