// objects/Button.h — a button on a face of a wall tile, pressed by a shot.
#pragma once

#include "objects/CObject.h"

class Button final : public CObject {
public:
    // An unpressed, armed button of kind `object` at (x, y).
    Button(ObjectType object, int x, int y);

    // The roll request of CObject stays reachable beside the frame change below.
    using CObject::changeFrame;
    // Shows frame 0 (up) or 1 (pressed); showing the pressed picture plays the button sound,
    // even when it was already shown.
    void changeFrame(int frame);

    bool m_bPressed;  // a shot has hit the button; the pressed picture is shown
    bool m_bArmed;    // the level script has not yet acted on the press
};
