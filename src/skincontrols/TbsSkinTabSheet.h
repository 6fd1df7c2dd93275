#pragma once

#include "skincontrols/TbsSkinCustomTabSheet.h"

// The skinned sheet a window puts into its page control.
class TbsSkinTabSheet : public TbsSkinCustomTabSheet {
    Q_OBJECT
public:
    using TbsSkinCustomTabSheet::TbsSkinCustomTabSheet;
};
