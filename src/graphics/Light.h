#ifndef BRAWLGEAR_GRAPHICS_LIGHT_H
#define BRAWLGEAR_GRAPHICS_LIGHT_H

// The fixed-function lights: LightManager holds the eight OpenGL lights,
// each parameter sent the moment it is set; a light is on (glEnable in
// force) exactly when its record says so. The manager lives from scene
// construction to teardown. Colours and materials come with this header.

#include "foundation/Pointer.h"
#include "graphics/Color.h"
#include "graphics/Material.h"
#include "math/Math.h"

namespace bg {



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
