#pragma once

// The mini-CV's state that the rest of the program reads.
struct MiniCvModel
{
    bool editorReady = false;
};

MiniCvModel &miniCvModel();
