// assets/ScreenPainter.h — the title and menu screens.
#pragma once

#include <string>

#include "assets/Canvas.h"
#include "assets/TextPainter.h"

class ScreenPainter {
public:
    static constexpr int WIDTH = 640;
    static constexpr int HEIGHT = 480;

    explicit ScreenPainter(TextPainter& text) : m_text(text) {}

    // The game's name over the block on a landscape.
    Canvas title();
    // The keys of the menu and of play.
    Canvas menu();

private:
    // The day sky with the ground strip along the bottom.
    static Canvas landscape(int groundFrom);
    // Large bold text with an outline and a drop shadow, centred on column `centreX`.
    void headline(Canvas& canvas, const std::string& text, int pixels, int centreX, int top);
    // A key cap with its label; returns its width.
    int keyCap(Canvas& canvas, const std::string& label, int x, int y);
    // One row of the menu: the key caps, then what they do.
    void keyRow(Canvas& canvas, const std::string& keys, const std::string& meaning, int x, int y);
    void panel(Canvas& canvas, int x, int y, int w, int h, const std::string& heading);

    TextPainter& m_text;
};
