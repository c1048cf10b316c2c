// Includes the layer check must refuse (two) and accept (two), for the check's own test.
#include <QByteArray>
#include <string>

#include "config/config_updater.h"
#include "config/passes/chunk_io.h"
