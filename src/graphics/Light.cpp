#include "graphics/Light.h"

#include "graphics/SpriteBatch.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace bg {

SharedPointer<LightManager> gLightManager;

// ---------------------------------------------------------------------------
// Color

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

// ---------------------------------------------------------------------------
// Material

Material::Material() : mValues{0.2f, 0.2f, 0.2f, 1, 0.8f, 0.8f, 0.8f, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0} {}

void Material::set(const float (&values)[SIZE]) { std::copy(values, values + SIZE, mValues); }

void Material::setColour(int first, float r, float g, float b, float a) {
    mValues[first] = r, mValues[first + 1] = g, mValues[first + 2] = b, mValues[first + 3] = a;
}

void Material::setOpacity(float a) {
    for (int alpha : {3, 7, 11, 15}) mValues[alpha] = a;
}

Material Material::add(const Material& other) const {
    Material sum;
    for (int i = 0; i < 16; ++i) sum.mValues[i] = std::min(mValues[i] + other.mValues[i], 1.0f);
    sum.mValues[16] = std::min(mValues[16] + other.mValues[16], 128.0f);
    return sum;
}

Material Material::mul(const Material& other) const {
    Material product;
    for (int i = 0; i < 16; ++i) product.mValues[i] = mValues[i] * other.mValues[i];
    product.mValues[16] = std::min(mValues[16] * other.mValues[16], 128.0f);
    return product;
}

void Material::use() const {
    drawPendingSprites();
    glMaterialfv(GL_FRONT, GL_AMBIENT, mValues);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, mValues + 4);
    glMaterialfv(GL_FRONT, GL_SPECULAR, mValues + 8);
    glMaterialfv(GL_FRONT, GL_EMISSION, mValues + 12);
    glMaterialf(GL_FRONT, GL_SHININESS, mValues[16]);
}

// ---------------------------------------------------------------------------
// LightManager

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
