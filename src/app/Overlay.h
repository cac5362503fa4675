#ifndef BRAWLGEAR_APP_OVERLAY_H
#define BRAWLGEAR_APP_OVERLAY_H

// The statistics overlay of development mode (F3): the last frame's counts
// as text and a graph of the last frame times, with lines at 16.7 ms (60
// frames a second) and 33.3 ms (30), drawn over the game's finished frame
// just before the swap. OpenGL, the engine's render state, the matrix
// stacks, the current font and the frame's counts are left as they were.

namespace bg::app {

// `font` (a font manager id, -1 for none) prints the text.
void drawStatsOverlay(int font);

} // namespace bg::app

#endif
