// assets/AssetSet.cpp — paints, synthesises and writes the ten data files.
#include "assets/AssetSet.h"

#include <filesystem>
#include <system_error>

#include "assets/LandscapePainter.h"
#include "assets/ScreenPainter.h"
#include "assets/SheetPainter.h"
#include "assets/TextPainter.h"
#include "assets/WavSynth.h"
#include "gfx/SpriteTable.h"

bool AssetSet::write(const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        m_error = "cannot create " + dir + ": " + ec.message();
        return false;
    }
    TextPainter text(m_fontDir);
    if (!text.ready()) {
        m_error = text.error();
        return false;
    }
    SheetPainter sheet(text);
    ScreenPainter screens(text);

    struct Picture {
        const char* name;
        Canvas canvas;
    };
    const Picture pictures[] = {
        {SpriteTable::fileName(SPRITES_SHEET), sheet.sprites()},
        {SpriteTable::fileName(FRONT_SHEET), LandscapePainter::foreground()},
        {"bckgnd2.bmp", LandscapePainter::daySky()},
        {"backgroundcool.bmp", LandscapePainter::nightSky()},
        {"title2.bmp", screens.title()},
        {"menu2.bmp", screens.menu()},
    };
    for (const Picture& p : pictures) {
        if (!p.canvas.saveBmp(dir + "/" + p.name)) {
            m_error = std::string("cannot write ") + p.name;
            return false;
        }
    }
    struct Sound {
        const char* name;
        WavSynth::Samples samples;
    };
    const Sound sounds[] = {
        {"laser.wav", WavSynth::laser()},
        {"button.wav", WavSynth::click()},
        {"levelcomplete.wav", WavSynth::levelComplete()},
        {"gameover.wav", WavSynth::gameOver()},
    };
    for (const Sound& s : sounds) {
        if (!WavSynth::save(dir + "/" + s.name, s.samples)) {
            m_error = std::string("cannot write ") + s.name;
            return false;
        }
    }
    return true;
}
