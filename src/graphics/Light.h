#ifndef BRAWLGEAR_GRAPHICS_LIGHT_H
#define BRAWLGEAR_GRAPHICS_LIGHT_H

// Colours, materials and the fixed-function lights.
//
// Color: red, green, blue, alpha; every component set from a number is
// limited to at most 1 (there is no lower limit), with conversions to and
// from hue (degrees), saturation and brightness (percent) by the engine's
// own table. Material: the five OpenGL material properties, stored as
// given. LightManager: the eight OpenGL lights, each parameter sent the
// moment it is set; a light is on (glEnable in force) exactly when its
// record says so. The manager lives from scene construction to teardown.

#include "foundation/Pointer.h"
#include "math/Math.h"

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

class Material {
public:
    static constexpr int SIZE = 17; // ambient, diffuse, specular, emission (RGBA each), shininess

    Material();
    explicit Material(const float (&values)[SIZE]) { set(values); }

    void set(const float (&values)[SIZE]);
    const float* get() const { return mValues; }
    const Material& getAll() const { return *this; }
    void setAmbient(float r, float g, float b, float a) { setColour(0, r, g, b, a); }
    void setDiffuse(float r, float g, float b, float a) { setColour(4, r, g, b, a); }
    void setSpecular(float r, float g, float b, float a) { setColour(8, r, g, b, a); }
    void setEmission(float r, float g, float b, float a) { setColour(12, r, g, b, a); }
    Rgba getAmbient() const { return colour(0); }
    Rgba getDiffuse() const { return colour(4); }
    Rgba getSpecular() const { return colour(8); }
    Rgba getEmission() const { return colour(12); }
    void setShininess(float s) { mValues[16] = s; }
    float getShininess() const { return mValues[16]; }
    // The alpha of every colour; read back from the ambient colour.
    void setOpacity(float a);
    float getOpacity() const { return mValues[3]; }

    // Colours added and limited to at most 1, shininess to at most 128.
    Material add(const Material& other) const;
    // Colours multiplied as they are, shininess limited to at most 128.
    Material mul(const Material& other) const;
    // Sends the material to OpenGL for the front faces.
    void use() const;

private:
    void setColour(int first, float r, float g, float b, float a);
    Rgba colour(int first) const { return {mValues[first], mValues[first + 1], mValues[first + 2], mValues[first + 3]}; }

    float mValues[SIZE];
};

struct Light {
    bool enabled = false; // the script switched it on
    bool on = false;      // GL_LIGHT0 + id is enabled
    int id = 0;
    Point position;
    float radius = 1.0f;
    float falloff = 10.0f;
    bool infinite = true;
    float ambient[4] = {0, 0, 0, 1};
    float diffuse[4] = {1, 1, 1, 1};
    float specular[4] = {1, 1, 1, 1};
};

class LightManager {
public:
    static constexpr int MAX_LIGHTS = 8;

    LightManager() { restart(); }
    ~LightManager();
    LightManager(const LightManager&) = delete;
    LightManager& operator=(const LightManager&) = delete;

    // The lowest free slot with a new light (sent, off), or -1 when full.
    int addLight();
    // Every operation ignores an id that names no light; the getters then
    // answer the defaults.
    void removeLight(int id);
    void enable(int id);
    void disable(int id);
    // In the coordinates in force when called (OpenGL applies the
    // model-view matrix to GL_POSITION).
    void setPosition(int id, const Point& p);
    void setRadius(int id, float radius, float falloff = 10.0f);
    void setInfinite(int id, bool infinite);
    void setAmbient(int id, float r, float g, float b, float a);
    void setDiffuse(int id, float r, float g, float b, float a);
    void setSpecular(int id, float r, float g, float b, float a);
    Point getPosition(int id) const;
    float getRadius(int id) const;
    bool getInfinite(int id) const;
    bool isOn(int id) const;
    // Every light's position through m (as a point).
    void transform(const Matrix& m);
    // Sends every light again, keeping each one's on/off state (for a new
    // OpenGL context).
    void restart();
    // Before a mesh with this bounding sphere is drawn: infinite lights on,
    // point lights on exactly when they reach the sphere.
    void selectLights(const BoundingSphere& sphere);

private:
    Light* find(int id) const;
    void switchOn(Light& light);
    void switchOff(Light& light);
    void sendPosition(const Light& light);
    void sendAttenuation(const Light& light);
    void send(Light& light);
    // Runs `change` with the OpenGL light enabled, as the parameters are
    // sent, and puts its state back.
    template <class F> void whileEnabled(Light& light, F change);

    SharedPointer<Light> mLights[MAX_LIGHTS];
};

extern SharedPointer<LightManager> gLightManager;

} // namespace bg

#endif
