#ifndef BRAWLGEAR_GRAPHICS_COLOR_H
#define BRAWLGEAR_GRAPHICS_COLOR_H

// Colours: red, green, blue, alpha; every component set from a number is
// limited to at most 1 (there is no lower limit), with conversions to and
// from hue (degrees), saturation and brightness (percent) by the engine's
// own table.

namespace bg {

// Four components, unlimited.
struct Rgba {
    float r, g, b, a;
};

class Color {
public:
    Color() : mR(1), mG(1), mB(1), mA(1) {}
    Color(float r, float g, float b, float a) { set(r, g, b, a); }

    static float limit(float value) { return value > 1.0f ? 1.0f : value; }

    void set(float r, float g, float b, float a);
    void set(const Color& other) { *this = other; }
    void setR(float r) { mR = limit(r); }
    void setG(float g) { mG = limit(g); }
    void setB(float b) { mB = limit(b); }
    void setA(float a) { mA = limit(a); }
    float getR() const { return mR; }
    float getG() const { return mG; }
    float getB() const { return mB; }
    float getA() const { return mA; }

    // Hue in degrees (0 for a grey), saturation and brightness in percent.
    void getHSB(float& hue, float& saturation, float& brightness) const;
    float getH() const;
    float getS() const;
    float getBr() const;
    // The colour for a hue, saturation and brightness (not limited), with
    // alpha limited to at most 1.
    void setHSBA(float hue, float saturation, float brightness, float alpha);
    void setH(float hue);
    void setS(float saturation);
    void setBr(float brightness);

    Color mul(float s) const { return Color(mR * s, mG * s, mB * s, mA * s); }
    // Grey of the same luminance.
    Color monocrome() const;
    void use() const;

private:
    float mR, mG, mB, mA;
};

} // namespace bg

#endif
