#include "graphics/Light.h"

#include "graphics/SpriteBatch.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace bg {

SharedPointer<LightManager> gLightManager;

LightManager::~LightManager() {
    for (int id = 0; id < MAX_LIGHTS; ++id) removeLight(id);
}

Light* LightManager::find(int id) const { return id >= 0 && id < MAX_LIGHTS ? mLights[id].get() : nullptr; }

void LightManager::switchOn(Light& light) {
    drawPendingSprites();
    if (light.on) return;
    glEnable(GL_LIGHT0 + light.id);
    light.on = true;
}

void LightManager::switchOff(Light& light) {
    drawPendingSprites();
    if (!light.on) return;
    glDisable(GL_LIGHT0 + light.id);
    light.on = false;
}

template <class F> void LightManager::whileEnabled(Light& light, F change) {
    drawPendingSprites();
    if (light.on) {
        change();
        return;
    }
    glEnable(GL_LIGHT0 + light.id);
    change();
    glDisable(GL_LIGHT0 + light.id);
}

void LightManager::sendPosition(const Light& light) {
    drawPendingSprites();
    const GLfloat position[] = {light.position.x, light.position.y, light.position.z, light.infinite ? 0.0f : 1.0f};
    glLightfv(GL_LIGHT0 + light.id, GL_POSITION, position);
}

// Falloff over the radius cubed: the range is what a point light reaches.
void LightManager::sendAttenuation(const Light& light) {
    drawPendingSprites();
    const GLenum gl = GL_LIGHT0 + light.id;
    const bool point = !light.infinite;
    glLightf(gl, GL_CONSTANT_ATTENUATION, point ? 0.0f : 1.0f);
    glLightf(gl, GL_LINEAR_ATTENUATION, 0.0f);
    glLightf(gl, GL_QUADRATIC_ATTENUATION, point ? light.falloff / (light.radius * light.radius * light.radius) : 0.0f);
}

// Whatever the context held: the light is enabled for the sending, and then
// left on or off as its record says.
void LightManager::send(Light& light) {
    drawPendingSprites();
    const bool wasOn = light.on;
    const GLenum gl = GL_LIGHT0 + light.id;
    glEnable(gl);
    light.on = true;
    glLightfv(gl, GL_AMBIENT, light.ambient);
    glLightfv(gl, GL_DIFFUSE, light.diffuse);
    glLightfv(gl, GL_SPECULAR, light.specular);
    sendAttenuation(light);
    sendPosition(light);
    sendPosition(light); // the infinite flag: position and attenuation again
    sendAttenuation(light);
    if (!wasOn) switchOff(light);
}

int LightManager::addLight() {
    for (int id = 0; id < MAX_LIGHTS; ++id) {
        if (mLights[id].get()) continue;
        Light* light = new Light;
        light->id = id;
        mLights[id] = SharedPointer<Light>(light);
        send(*light);
        return id;
    }
    return -1;
}

void LightManager::removeLight(int id) {
    Light* light = find(id);
    if (!light) return;
    switchOff(*light);
    mLights[id].free();
}

void LightManager::enable(int id) {
    Light* light = find(id);
    if (!light || light->enabled) return;
    light->enabled = true;
    if (light->infinite) switchOn(*light);
}

void LightManager::disable(int id) {
    Light* light = find(id);
    if (!light || !light->enabled) return;
    switchOff(*light);
    light->enabled = false;
}

void LightManager::setPosition(int id, const Point& p) {
    Light* light = find(id);
    if (!light) return;
    light->position = p;
    whileEnabled(*light, [&] { sendPosition(*light); });
}

void LightManager::setRadius(int id, float radius, float falloff) {
    Light* light = find(id);
    if (!light) return;
    light->radius = radius;
    light->falloff = falloff;
    whileEnabled(*light, [&] { sendAttenuation(*light); });
}

void LightManager::setInfinite(int id, bool infinite) {
    Light* light = find(id);
    if (!light) return;
    light->infinite = infinite;
    whileEnabled(*light, [&] {
        sendPosition(*light);
        sendAttenuation(*light);
    });
    if (light->enabled) switchOn(*light);
}

namespace {
void store(float (&colour)[4], float r, float g, float b, float a) { colour[0] = r, colour[1] = g, colour[2] = b, colour[3] = a; }
} // namespace

void LightManager::setAmbient(int id, float r, float g, float b, float a) {
    if (Light* light = find(id)) {
        store(light->ambient, r, g, b, a);
        whileEnabled(*light, [&] { glLightfv(GL_LIGHT0 + id, GL_AMBIENT, light->ambient); });
    }
}

void LightManager::setDiffuse(int id, float r, float g, float b, float a) {
    if (Light* light = find(id)) {
        store(light->diffuse, r, g, b, a);
        whileEnabled(*light, [&] { glLightfv(GL_LIGHT0 + id, GL_DIFFUSE, light->diffuse); });
    }
}

void LightManager::setSpecular(int id, float r, float g, float b, float a) {
    if (Light* light = find(id)) {
        store(light->specular, r, g, b, a);
        whileEnabled(*light, [&] { glLightfv(GL_LIGHT0 + id, GL_SPECULAR, light->specular); });
    }
}

Point LightManager::getPosition(int id) const {
    const Light* light = find(id);
    return light ? light->position : Point();
}

float LightManager::getRadius(int id) const {
    const Light* light = find(id);
    return light ? light->radius : 1.0f;
}

bool LightManager::getInfinite(int id) const {
    const Light* light = find(id);
    return light ? light->infinite : true;
}

bool LightManager::isOn(int id) const {
    const Light* light = find(id);
    return light && light->on;
}

void LightManager::transform(const Matrix& m) {
    for (int id = 0; id < MAX_LIGHTS; ++id)
        if (Light* light = find(id)) setPosition(id, m.mulPoint(light->position));
}

void LightManager::restart() {
    for (int id = 0; id < MAX_LIGHTS; ++id)
        if (Light* light = find(id)) send(*light);
}

void LightManager::selectLights(const BoundingSphere& sphere) {
    for (int id = 0; id < MAX_LIGHTS; ++id) {
        Light* light = find(id);
        if (!light || !light->enabled) continue;
        if (light->infinite) {
            switchOn(*light);
            continue;
        }
        const float distance = Vector(light->position, sphere.position).length();
        if (distance <= sphere.radius + light->radius)
            switchOn(*light);
        else
            switchOff(*light);
    }
}

} // namespace bg
