// objects/SidePanel.cpp — a panel's place and angle on the block as it rolls and glides.
#include "objects/SidePanel.h"

#include "app/Globals.h"
#include "gfx/CClippedSprite.h"
#include "gfx/CViewPoint.h"
#include "gfx/SpriteTable.h"
#include "objects/Player.h"

namespace {

constexpr int kPanelFrames = 16;  // sixteenths of a turn, clockwise from the right face

// The frame a panel rests at on each face.
constexpr int kRightFrame = 0;
constexpr int kBottomFrame = 4;
constexpr int kLeftFrame = 8;
constexpr int kTopFrame = 12;

}  // namespace

SidePanel::SidePanel(ObjectType object, int x, int y, char side) {
    setCommonFields(object, x, y);
    m_nFrameCount = kPanelFrames;
    m_cSide = side;
    switch (side) {
        case 'b':
            turnTo(kBottomFrame);
            break;
        case 'l':
            turnTo(kLeftFrame);
            break;
        case 't':
            turnTo(kTopFrame);
            break;
        default:  // 'r'; no caller gives another face
            turnTo(kRightFrame);
            break;
    }
}

void SidePanel::turnTo(int frame) {
    m_nFrame = frame;
    // The sprite sheet paints each panel frame for exactly this offset, so both read one table.
    const SheetPoint offset = SpriteTable::panelOffset(frame);
    m_nOffsetX = offset.x;
    m_nOffsetY = offset.y;
}

void SidePanel::changeSide(bool direction) {
    // The offsets already belong to the new face's frame after the roll's four steps.
    switch (m_cSide) {
        case 'r':
            m_cSide = direction ? 'b' : 't';
            m_nFrame = direction ? kBottomFrame : kTopFrame;
            break;
        case 'b':
            m_cSide = direction ? 'l' : 'r';
            m_nFrame = direction ? kLeftFrame : kRightFrame;
            break;
        case 'l':
            m_cSide = direction ? 't' : 'b';
            m_nFrame = direction ? kTopFrame : kBottomFrame;
            break;
        case 't':
            m_cSide = direction ? 'r' : 'l';
            m_nFrame = direction ? kRightFrame : kLeftFrame;
            break;
        default:
            break;
    }
}

void SidePanel::fall(int frame, char direction) {
    glideBy(direction, Player::glideStep(frame));
}

void SidePanel::moveSprite(int blockFrame, bool direction) {
    changePosition(Player::rollStep(blockFrame, direction), 0);
    // Wrapped within the turn: below 0 comes round to 15, 16 to 0.
    const int frame =
        ((m_nFrame + (direction ? 1 : -1)) % kPanelFrames + kPanelFrames) % kPanelFrames;
    turnTo(frame);
}

void SidePanel::draw(IDirectDrawSurface* surface) {
    if (m_pSprite == nullptr) return;
    m_pSprite->draw(m_nFrame, Viewpoint.screen(m_nX + m_nOffsetX), m_nY + m_nOffsetY, surface);
}
