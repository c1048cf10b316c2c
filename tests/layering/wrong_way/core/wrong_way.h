// Includes the layer check must refuse (three) and accept (two), for the check's own test.
#include <QString>
#include <queue>

#include "../ui/dialog.h"
#include "core/styled_text.h"
#include "ui/main_window/form1.h"
