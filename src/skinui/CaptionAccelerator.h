#pragma once

#include <QChar>
#include <QString>

// The character an "&" marks as a caption's keyboard accelerator ("&File" gives 'F',
// "Save &As" gives 'A'); a null QChar when there is none. "&&" is a plain "&" and marks
// nothing; when several characters are marked the first counts.
QChar AcceleratorOf(const QString& caption);

// Whether typing key chooses the caption: key is its accelerator, letter case aside.
bool IsAcceleratorOf(QChar key, const QString& caption);
