#pragma once

#include <QString>

// Writes the pictures that come with the main window's definition, each also at twice its size
// as NAME@2x beside it, and the application icon, into OutDir. Returns false when a file cannot be written.
bool WriteWindowArtwork(const QString& outDir);
