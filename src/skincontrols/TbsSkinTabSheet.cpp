#include "skincontrols/TbsSkinTabSheet.h"
