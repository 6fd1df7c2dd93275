#include "platform/Global.h"

ModuleHandle ResourcePackHandle = 0;
