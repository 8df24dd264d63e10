// game_screen_slave.h: IGameScreenSlave lives with the widgets now (a button
// closes the screen that holds it through it); this name keeps older includes
// working.
#pragma once

#include "widgets/game_screen_slave.h"
