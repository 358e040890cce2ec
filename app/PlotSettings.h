#pragma once
#include "ColorRef.h"

// The plot settings the document keeps for the plot windows and the plot
// settings sheets. One region, one quality and one line width are shared by
// the 2D, 3D and fractal plots.
struct PlotSettings {
    double xmin = -5.0;
    double xmax = 5.0;
    double ymin = -5.0;
    double ymax = 5.0;
    double zmin = -1.0;
    double zmax = 1.0;
    int automaticZ = 0;
    bool piScale = false;
    bool eScale = false;
    int quality = 1;
    int lineWidth = 1;
    int type = 0;
    int angleA = 30; // 3D view angles in degrees
    int angleB = 10;
    ColorRef foreColour3D = makeColorRef(255, 255, 0);
    ColorRef backColour3D = makeColorRef(0, 0, 255);
    int iterations = 50;
    double valueBorder = 4.0;
    ColorRef colourZero = makeColorRef(0, 0, 0);
    ColorRef colourMax = makeColorRef(0, 255, 0);
    // "BackgroundColor": the Options dialog's colour, used by the views
    // unless the standard background is on, and by the plots.
    ColorRef background = 0xFF0000;
    ColorRef background2D = 0x88AE7F;
    ColorRef functionColours[4] = {0, 255, 65280, 16711680};
};
