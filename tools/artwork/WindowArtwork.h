#pragma once

#include <QString>

// Writes the pictures that come with the main window's definition, and the application
// icon, into OutDir. Returns false when a file cannot be written.
bool WriteWindowArtwork(const QString& outDir);
