#ifndef BRAWLGEAR_GRAPHICS_MATERIAL_H
#define BRAWLGEAR_GRAPHICS_MATERIAL_H

// Materials: the five OpenGL material properties, stored as given.

#include "graphics/Color.h"

namespace bg {

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

} // namespace bg

#endif
