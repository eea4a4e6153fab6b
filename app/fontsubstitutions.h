#pragma once

// The windows name the fonts "Comic Sans MS" and "Arial". Where those are not
// installed, the free look-alikes "Comic Neue" and "Liberation Sans" stand in.
// Call once, after the application object exists and before any window is built.
void installFontSubstitutions();
