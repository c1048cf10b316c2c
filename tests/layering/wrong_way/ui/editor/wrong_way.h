// Includes the layer check must refuse (one) and accept (two), for the check's own test: a room
// includes only the rooms below it.
#include <QWidget>
#include "ui/common/twips.h"
#include "ui/in_game/game_preview.h"
