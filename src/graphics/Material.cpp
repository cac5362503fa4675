#include "graphics/Material.h"

#include "foundation/Report.h"
#include "graphics/SpriteBatch.h"

#include <GL/gl.h>
#include <algorithm>

// Split out of the lights' file: reports keep its name.
#undef BG_REPORT_FILE
#define BG_REPORT_FILE "Light"

namespace bg {

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

} // namespace bg
