#pragma once

#include <QString>

// Writes the pictures of the resource pack into OutDir, each also at twice its size as
// NAME@2x beside it (the pack's "@2X" variants). Returns false when a file cannot
// be written.
bool WritePackArtwork(const QString& outDir);
