#pragma once

#include <QPointer>

class TTabSheet;
class TWebBrowser;

// A tab: its browser and its sheet. Neither is owned here (the page control owns sheets,
// sheets own their browsers); the guarded pointers turn null once a closed tab is freed.
struct TTabRecord {
    QPointer<TWebBrowser> Browser;
    QPointer<TTabSheet> Sheet;
};
