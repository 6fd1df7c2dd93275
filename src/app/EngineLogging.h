#pragma once

// The web engine writes its set-up (graphics back end, start parameters, a sandbox switched
// off) to standard error at the information level on every start, and pages' console messages
// as "js: ..." lines. The client keeps both off, so that a normal start prints nothing;
// warnings and errors of the engine still show. Setting KESTRUNE_ENGINE_LOG to anything but ""
// or "0" lets the notes and every console message through. Call before the application object
// exists.
void QuietEngineNotes();
