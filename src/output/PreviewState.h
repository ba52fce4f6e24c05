#pragma once

#include <QtGlobal>

// The preview's state for the whole run.
struct PreviewState
{
    bool cardShown = false;
    bool refreshRequested = false;
    bool pointerMoved = false;
    bool editing = false;
    bool cardAccessOpen = false;
    quint32 savedFrameColor1 = 0;
    quint32 savedFrameColor2 = 0;
    quint16 okCount = 0;
    bool previewReleased = false;
};

PreviewState &previewState();
