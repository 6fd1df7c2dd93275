#include "skinui/TbsSkinTabSheet.h"
