#pragma once

#include "preview/PreviewOptions.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class TbsSkinData;

// What a previewer is asked for.
struct PreviewRequest {
    TbsSkinData* skin = nullptr;  // the loaded package; nullptr for PACKAGE "" (no skin)
    QSize size;                   // the size asked for, before the control's size rule
    PreviewOptions options;
};

// One CONTROL of kestrune-skin preview. Build makes the real control and sets its properties;
// the command then resizes it to the asked size (when sized), shows it on the offscreen
// platform and calls pose, which puts it into the asked state through its own mouse and
// keyboard paths. The picture saved is of the widget pose returns (the built one when pose is
// absent or returns nullptr), at its final size, transparent outside its mask.
struct ControlPreviewer {
    QString control;
    QStringList keys;    // the keys it takes
    QString usage;       // the keys with their values, for the usage text
    bool sized = true;   // false: WIDTH and HEIGHT are ignored, the control keeps its own size
    std::unique_ptr<QWidget> (*build)(const PreviewRequest& request) = nullptr;
    QWidget* (*pose)(QWidget& built, const PreviewRequest& request) = nullptr;
};

// The previewers, one file each under tools/skin/preview/, each registering itself with one
// line: static const PreviewRegistration registration{{...}};
class PreviewRegistry {
public:
    static void Add(const ControlPreviewer& previewer);
    // nullptr for a control no previewer takes.
    static const ControlPreviewer* Find(const QString& control);
    // Sorted by control word.
    static QList<ControlPreviewer> All();
};

struct PreviewRegistration {
    explicit PreviewRegistration(const ControlPreviewer& previewer) { PreviewRegistry::Add(previewer); }
};
