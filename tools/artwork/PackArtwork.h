#pragma once

#include <QString>

// Writes the pictures of the resource pack into OutDir. Returns false when a file cannot
// be written.
bool WritePackArtwork(const QString& outDir);
