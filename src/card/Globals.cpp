// The single instances of the program-wide records.
#include "card/CardModel.h"
#include "minicv/MiniCvModel.h"
#include "output/PreviewState.h"
#include "output/PrinterMetrics.h"

PreviewState &previewState()
{
    static PreviewState state;
    return state;
}

PrinterMetrics &printerMetrics()
{
    static PrinterMetrics metrics;
    return metrics;
}

MiniCvModel &miniCvModel()
{
    static MiniCvModel model;
    return model;
}

CardModel &cardModel()
{
    static CardModel model;
    return model;
}
