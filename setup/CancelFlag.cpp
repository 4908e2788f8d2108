#include "setup/CancelFlag.h"

volatile LONG g_lCancel = 0;
