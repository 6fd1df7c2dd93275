#pragma once

// The web engine writes its set-up (graphics back end, start parameters, a sandbox switched
// off) to standard error at the information level on every start. The client keeps those
// notes off, so that a normal start prints nothing; warnings and errors still show. Setting
// KESTRUNE_ENGINE_LOG to anything but "" or "0" lets the notes through again. Call before
// the application object exists.
void QuietEngineNotes();
