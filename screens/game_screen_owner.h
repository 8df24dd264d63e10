// game_screen_owner.h: IGameScreenOwner lives with the widgets now (buttons
// open and close screens through it); this name keeps older includes working.
#pragma once

#include "widgets/game_screen_owner.h"
