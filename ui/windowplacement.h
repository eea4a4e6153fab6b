#pragma once

class QWidget;

// Moves a window so that it sits in the middle of the screen's free area.
void placeAtScreenCentre(QWidget *window);
