// tests/ObjectScene.cpp — the object tests' display, sprites, clock and sounds.
#include "tests/ObjectScene.h"

#include <filesystem>

#include "app/CTimer.h"
#include "app/Globals.h"
#include "gfx/CClippedSprite.h"
#include "gfx/DisplaySetup.h"
#include "gfx/SpriteCatalogue.h"
#include "gfx/SpriteTable.h"
#include "objects/CObjectManager.h"
#include "platform/AudioMixer.h"
#include "platform/DDraw.h"
#include "platform/Harness.h"
#include "platform/IDirectDraw.h"
#include "platform/IDirectDrawSurface.h"
#include "platform/IDirectSoundBuffer.h"
#include "platform/Window.h"
#include "sound/CSoundManager.h"
#include "tests/TestScreen.h"

namespace objecttest {

namespace {

void PaintSprites() {
    for (int kind = 0; kind < SpriteTable::SLOT_COUNT; ++kind) {
        const SpriteTable::Row& row = SpriteTable::row(kind);
        g_pSprite[kind] = new CClippedSprite(row.frameCount, row.width, row.height);
        for (int frame = 0; frame < row.frameCount; ++frame) {
            ASSERT_NE(g_pSprite[kind]->m_ppFrameSurf[frame], nullptr);
            testscreen::Fill(g_pSprite[kind]->m_ppFrameSurf[frame], PaintColour(kind, frame));
        }
    }
}

std::vector<std::int16_t> Tone(int frames, std::int16_t level) {
    return std::vector<std::int16_t>(static_cast<size_t>(frames), level);
}

}  // namespace

DWORD PaintColour(int kind, int frame) {
    // Never the transparent colour 0x00FE00FE, and different for every kind and frame.
    return 0x00100000u | (static_cast<DWORD>(kind) << 8) | static_cast<DWORD>(frame + 1);
}

void ObjectScene::SetUp() {
    Harness::Enable();
    ResetGlobalState();
    hwnd_ = testscreen::MakeWindow();
    ASSERT_NE(hwnd_, nullptr);
    ASSERT_TRUE(InitDirectDraw(hwnd_));
    if (art_ == Art::Painted) {
        PaintSprites();
    } else {
        previousFolder_ = std::filesystem::current_path().string();
        std::filesystem::current_path(VORMIL_DATA_DIR);
        ASSERT_TRUE(LoadImages()) << "the sheets in " << VORMIL_DATA_DIR;
    }
    Timer.start();
}

void ObjectScene::TearDown() {
    // The objects point at the sprites, so they go first.
    ObjectManager.reset();
    for (CClippedSprite*& sprite : g_pSprite) {
        if (sprite == nullptr) continue;
        sprite->Release();
        delete sprite;
        sprite = nullptr;
    }
    if (lpSecondary != nullptr) lpSecondary->Release();
    if (lpPrimary != nullptr) lpPrimary->Release();
    if (lpBackground != nullptr) lpBackground->Release();
    if (lpDirectDrawObject != nullptr) lpDirectDrawObject->Release();
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    if (!previousFolder_.empty()) std::filesystem::current_path(previousFolder_);
    Harness::Finish();
    ResetGlobalState();
}

void ObjectScene::Advance(int ms) {
    Harness::Advance(static_cast<std::uint32_t>(ms));
}

void ObjectScene::Clear(DWORD colour) {
    testscreen::Fill(lpSecondary, colour);
}

DWORD ObjectScene::Pixel(int x, int y) {
    return testscreen::Peek(lpSecondary, x, y) & 0x00FFFFFFu;
}

std::string ObjectScene::ShotFolder() {
    return (std::filesystem::path(VORMIL_DATA_DIR).parent_path().parent_path() / "object-scene")
        .string();
}

bool ObjectScene::Shoot(const std::string& name) {
    if (lpPrimary->Flip(nullptr, DDFLIP_WAIT) != DD_OK) return false;
    std::filesystem::create_directories(ShotFolder());
    return Harness::SaveScreenBmp((std::filesystem::path(ShotFolder()) / name).string());
}

ObjectSounds::ObjectSounds() {
    using soundtest::Wav;
    AudioMixer::SetPullMode(22050);
    // A second of sound each, so nothing ends by itself during a test.
    dir_.Write("laser.wav", Wav(Tone(22050, 1000)));
    dir_.Write("button.wav", Wav(Tone(22050, 2000)));
    dir_.Write("levelcomplete.wav", Wav(Tone(22050, 3000)));
    dir_.Write("gameover.wav", Wav(Tone(22050, 4000)));
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    SoundManager = new CSoundManager(nullptr);
    LoadSounds();
    std::filesystem::current_path(previous);
    ok_ = SoundManager->operational() && SoundManager->sounds() == 4;
    for (int i = 0; ok_ && i < 4; ++i) ok_ = SoundManager->buffer(i, 0) != nullptr;
}

ObjectSounds::~ObjectSounds() {
    delete SoundManager;
    SoundManager = nullptr;
    AudioMixer::SetPullMode(0);
}

int ObjectSounds::Playing(int index) const {
    int playing = 0;
    for (int copy = 0; copy < SoundManager->copies(index); ++copy) {
        IDirectSoundBuffer* buffer = SoundManager->buffer(index, copy);
        DWORD status = 0;
        if (buffer != nullptr && buffer->GetStatus(&status) == DS_OK &&
            (status & DSBSTATUS_PLAYING) != 0) {
            ++playing;
        }
    }
    return playing;
}

std::string ObjectSounds::AllPlaying() const {
    std::string all;
    for (int i = 0; i < 4; ++i) all += std::to_string(Playing(i));
    return all;
}

void ObjectSounds::Quiet() {
    SoundManager->stop();
}

}  // namespace objecttest
