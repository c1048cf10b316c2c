// Includes the layer check must refuse (two) and accept (two), for the check's own test.
#include <QCoreApplication>
#include <QWidget>

#include "config/config_updater.h"
#include "ui/form1.h"
