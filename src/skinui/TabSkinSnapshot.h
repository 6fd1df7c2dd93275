#pragma once

// What a page control copies from its skin object before it paints. Without a skin store the
// index stays -1 and the control draws its plain look.
struct TabSkinSnapshot {
    int skinIndex = -1;

    bool HasSkinObject() const { return skinIndex >= 0; }
};
