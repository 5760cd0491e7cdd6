// app/FrameCycle.h — the game phases, one frame of each, and the routing of keys to the phase's
// handler.
#pragma once

#include "app/GamePhaseType.h"

// Enters `new_phase`; `level` is the level to build when it is play.
void change_phase(GamePhaseType new_phase, int level);
// One frame of the current phase.
void ProcessFrame();
// Hands a virtual-key code to the current phase; true when the program is to end.
bool keyboard_handler(unsigned keystroke);
// Draws one play picture on the back buffer. Returns true.
bool ComposeFrame();
// Shows the title or menu picture again after the surfaces were lost.
void Redraw();
// Shows the back buffer; after a loss, answers what restoring the surfaces answered.
bool PageFlip();
// The block is at rest and its keys are accepted: the state every level starts in.
void resetVariables();
