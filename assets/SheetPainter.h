// assets/SheetPainter.h — the sprite sheet: every cell of the sprite table painted in its place.
#pragma once

#include <string>

#include "assets/BlockPainter.h"
#include "assets/Canvas.h"
#include "assets/TextPainter.h"

class SheetPainter {
public:
    explicit SheetPainter(TextPainter& text) : m_text(text) {}

    // sprites2.bmp: all cells, alternative cuts included; transparent everywhere else.
    Canvas sprites();
    // The block's roll frame `frame` (0..3), 50 x 50, standing on its bottom row.
    static Canvas blockFrame(int frame);
    // A side panel's frame `frame` (0..15), 30 x 30, placed to sit on the face it rides on when
    // drawn at that frame's offset from the block.
    static Canvas panelFrame(BlockPainter::PanelLook look, int frame);
    // A banner of the given size with the words in white on a plaque of `color`.
    Canvas banner(int width, int height, const std::string& words, Color color);

private:
    TextPainter& m_text;
};
