// Includes the layer check must refuse (two) and accept (two), for the check's own test.
#include <QFile>
#include <QWidget>

#include "core/target_game.h"
#include "system/config_folder.h"
