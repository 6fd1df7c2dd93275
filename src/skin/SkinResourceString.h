#pragma once

#include <QString>

class TbsSkinData;

// The skin engine's text for a key ("MI_CLOSECAPTION", "CLOSEBUTTON_HINT", ...), the one way
// every skinned control asks for it: from the resource string store of the control's skin
// store when it has one, with no further fallback (a key missing there gives an empty text);
// else, and without a skin store, the built-in default text of the key.
QString SkinResourceString(const TbsSkinData* store, const QString& key);
