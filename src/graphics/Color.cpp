#include "graphics/Color.h"

#include "foundation/Report.h"
#include "graphics/SpriteBatch.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

// Split out of the lights' file: reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "Light"

namespace bg {

void Color::set(float r, float g, float b, float a) {
    mR = limit(r);
    mG = limit(g);
    mB = limit(b);
    mA = limit(a);
}

void Color::getHSB(float& hue, float& saturation, float& brightness) const {
    const float max = std::max({mR, mG, mB});
    const float min = std::min({mR, mG, mB});
    brightness = 100 * max;
    saturation = max == 0 ? 0 : 100 * (1 - min / max);
    // A grey has no hue: 0, here and in every setter that keeps the hue.
    if (max == min) {
        hue = 0;
        return;
    }
    float h;
    if (mR == max)
        h = (mG - mB) / (max - min);
    else if (mG == max)
        h = (mB - mR) / (max - min) + 2;
    else
        h = (mR - mG) / (max - min) + 4;
    hue = 60 * h;
    if (hue < 0) hue += 360;
}

float Color::getH() const {
    float h, s, br;
    getHSB(h, s, br);
    return h;
}

float Color::getS() const {
    float h, s, br;
    getHSB(h, s, br);
    return s;
}

float Color::getBr() const {
    float h, s, br;
    getHSB(h, s, br);
    return br;
}

// The engine's own table: its inner terms are v - h', v - (2 - h') and so
// on, which differs from the textbook conversion for v < 1. The sector is
// compared as a number: a hue too large for an int is "any other".
void Color::setHSBA(float hue, float saturation, float brightness, float alpha) {
    const float h = hue / 60, s = saturation / 100, v = brightness / 100;
    const double sector = std::trunc(static_cast<double>(h));
    const float low = (1 - s) * v;
    if (sector == 0) {
        mR = v, mG = v - (v - h) * s, mB = low;
    } else if (sector == 1) {
        mR = v - (v - (2 - h)) * s, mG = v, mB = low;
    } else if (sector == 2) {
        mR = low, mG = v, mB = v - (v - (h - 2)) * s;
    } else if (sector == 3) {
        mR = low, mG = v - (v - (4 - h)) * s, mB = v;
    } else if (sector == 4) {
        mR = v - (v - (h - 4)) * s, mG = low, mB = v;
    } else {
        mR = v, mG = low, mB = v - (v - (6 - h)) * s;
    }
    mA = limit(alpha);
}

void Color::setH(float hue) {
    float h, s, br;
    getHSB(h, s, br);
    setHSBA(hue, s, br, mA);
}

void Color::setS(float saturation) {
    float h, s, br;
    getHSB(h, s, br);
    setHSBA(h, saturation, br, mA);
}

void Color::setBr(float brightness) {
    float h, s, br;
    getHSB(h, s, br);
    setHSBA(h, s, brightness, mA);
}

Color Color::monocrome() const {
    const float l = 0.3f * mR + 0.59f * mG + 0.11f * mB;
    return Color(l, l, l, mA);
}

void Color::use() const {
    drawPendingSprites();
    glColor4f(mR, mG, mB, mA);
}

} // namespace bg
