#ifndef BRAWLGEAR_GRAPHICS_EFFECTS_H
#define BRAWLGEAR_GRAPHICS_EFFECTS_H

// The global effects scripts call: planar mirroring, the shadow quad,
// sphere-map environment mapping on texture unit 1, the colour write mask.

#include "math/Math.h"

namespace bg {

// The mirror in the plane y = 0: diagonal (1, -1, 1, 1).
extern Matrix gMirrorMatrix;

// Into and out of drawing the reflected scene: front faces culled, the
// lights and the model-view matrix mirrored; the pair puts everything back.
void beginMirror();
void endMirror();
// A black quad at y = 0.1, 500 wide, its alpha ramping across the corners;
// blending and depth are as the caller set them.
void displayShadow();
// Only with multitexturing (else nothing).
void enableEnvironmentMapping(int textureId);
void disableEnvironmentMapping();
void setColorMask(bool red, bool green, bool blue, bool alpha);

} // namespace bg

#endif
