// Colours, materials and lights, with a real OpenGL context: what OpenGL
// holds is read back, and what it draws is read as pixels.

#include "graphics/Light.h"
#include "graphics/Transform.h"
#include "support/SceneFixture.h"

#include <GL/gl.h>
#include <vector>

using namespace bg;

namespace {

void expectColor(const Color& c, float r, float g, float b, float a) {
    const float got[] = {c.getR(), c.getG(), c.getB(), c.getA()}, expected[] = {r, g, b, a};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(got[k], expected[k], 1e-5f) << "rgba"[k];
}

TEST(Color, OnlyTheUpperLimitApplies) {
    expectColor(Color(), 1, 1, 1, 1);
    expectColor(Color(2, 0.5f, -1, 1), 1, 0.5f, -1, 1);
    Color c;
    c.setR(7);
    c.setA(-3);
    expectColor(c, 1, 1, 1, -3);
    expectColor(Color(0.6f, 0.2f, 0.1f, 0.5f).mul(2), 1, 0.4f, 0.2f, 1);
    expectColor(Color(1, 1, 1, 0.5f).monocrome(), 1, 1, 1, 0.5f);
    expectColor(Color(1, 0, 0, 1).monocrome(), 0.3f, 0.3f, 0.3f, 1);
}

TEST(Color, HueSaturationAndBrightnessByTheEnginesTable) {
    Color c;
    c.setHSBA(120, 100, 100, 1);
    expectColor(c, 0, 1, 0, 1);
    c.setHSBA(240, 100, 100, 2);
    expectColor(c, 0, 0, 1, 1); // alpha limited, the rest not
    // Full brightness and saturation come back as they went in.
    for (float hue : {0.0f, 60.0f, 120.0f, 180.0f, 240.0f, 300.0f}) {
        c.setHSBA(hue, 100, 100, 1);
        EXPECT_NEAR(c.getH(), hue, 1e-3f) << hue;
        EXPECT_NEAR(c.getS(), 100, 1e-3f);
        EXPECT_NEAR(c.getBr(), 100, 1e-3f);
    }
    // The table's own inner terms: sector 0 at v = 0.5, s = 1, h' = 0.5
    // gives g = v - (v - h') * s = 0.5 (the textbook conversion: 0.25).
    c.setHSBA(30, 100, 50, 1);
    expectColor(c, 0.5f, 0.5f, 0, 1);
    // A grey has hue 0; the setters that keep the hue use that.
    Color grey(0.5f, 0.5f, 0.5f, 1);
    EXPECT_EQ(grey.getH(), 0);
    EXPECT_EQ(grey.getS(), 0);
    grey.setS(100);
    expectColor(grey, 0.5f, 0, 0, 1);
    // The other two kept as they are: a new hue, then a new brightness.
    Color blue(0, 0, 1, 0.5f);
    blue.setH(120);
    expectColor(blue, 0, 1, 0, 0.5f);
    blue.setBr(50);
    expectColor(blue, 0, 0.5f, 0, 0.5f);
    // A hue too large for an int is the last sector, not undefined.
    c.setHSBA(1e30f, 0, 100, 1);
    EXPECT_EQ(c.getR(), 1);
}

TEST(Material, StoresAsGivenAndCombinesWithLimits) {
    const Material sum = Material().add(Material());
    // Ambient, diffuse (limited), specular and emission alpha, shininess.
    const std::pair<int, float> values[] = {{0, 0.4f}, {4, 1}, {11, 1}, {15, 1}, {16, 0}};
    for (const auto& [k, value] : values) EXPECT_FLOAT_EQ(sum.get()[k], value) << k;
    Material m;
    m.setDiffuse(3, 2, 1, 0.5f);
    m.setShininess(100);
    m.setAmbient(0.7f, 0.6f, 0.5f, 1);
    EXPECT_FLOAT_EQ(m.getAmbient().g, 0.6f); // each colour from its own place
    m.setSpecular(0.1f, 0.2f, 0.3f, 0.4f);
    const bg::Rgba specular = m.getSpecular(); // each component from its own place
    EXPECT_EQ(std::vector<float>({specular.r, specular.g, specular.b, specular.a}),
              std::vector<float>({0.1f, 0.2f, 0.3f, 0.4f}));
    const Material product = m.mul(m);
    EXPECT_FLOAT_EQ(product.getDiffuse().r, 9);
    EXPECT_FLOAT_EQ(product.getShininess(), 128);
    EXPECT_FLOAT_EQ(m.add(m).getShininess(), 128);
    m.setOpacity(0.25f); // every colour's alpha, and nothing else
    const float seeThrough[] = {0.7f, 0.6f, 0.5f, 0.25f, 3, 2, 1, 0.25f, 0.1f, 0.2f, 0.3f, 0.25f, 0, 0, 0, 0.25f};
    EXPECT_EQ(std::vector<float>(m.get(), m.get() + 16), std::vector<float>(seeThrough, seeThrough + 16));
    EXPECT_FLOAT_EQ(m.getEmission().a, 0.25f); // from its own place
}

class Lights : public bgtest::SceneTest {
protected:
    LightManager& lights() { return *gLightManager; }
    // "On" in the manager exactly when OpenGL has the light enabled.
    void expectInvariant() {
        for (int id = 0; id < 8; ++id)
            EXPECT_EQ(lights().isOn(id), glIsEnabled(GL_LIGHT0 + id) == GL_TRUE) << "light " << id;
    }
    // A unit quad at the origin facing +z, seen from 3 away, drawn and read
    // back at the centre: red, green and blue.
    std::vector<int> drawQuad(float nx, float ny, float nz) {
        scene().clearBuffers();
        glNormal3f(nx, ny, nz);
        glRectf(-1, -1, 1, 1);
        return pixelAt(400, 300);
    }
    // OpenGL's value of one parameter of a light.
    static std::vector<float> parameter(int id, GLenum name) {
        std::vector<float> value(4);
        glGetLightfv(GL_LIGHT0 + id, name, value.data());
        return value;
    }
};

TEST_F(Lights, EightSlotsTheDefaultsOfAnInvalidIdAndParametersSentTheMomentTheyAreSet) {
    build({{"GL_LIGHTING", "1"}});
    for (int i = 0; i < 8; ++i) EXPECT_EQ(lights().addLight(), i);
    EXPECT_EQ(lights().addLight(), -1);
    lights().removeLight(3);
    EXPECT_EQ(lights().addLight(), 3);
    EXPECT_EQ(lights().getRadius(9), 1.0f);
    EXPECT_TRUE(lights().getInfinite(9));
    const Point none = lights().getPosition(-1);
    EXPECT_TRUE(none.x == 0 && none.y == 0 && none.z == 0);
    lights().enable(42); // ignored
    expectInvariant();
    // A new light is white (OpenGL's own default is white for light 0 only).
    const std::pair<GLenum, std::vector<float>> defaults[] = {
        {GL_AMBIENT, {0, 0, 0, 1}}, {GL_DIFFUSE, {1, 1, 1, 1}}, {GL_SPECULAR, {1, 1, 1, 1}}};
    for (const auto& [name, value] : defaults) EXPECT_EQ(parameter(5, name), value) << name;

    // A light's parameters are sent the moment they are set.
    for (int i = 0; i < 8; ++i) lights().removeLight(i);
    gTransform->loadIdentity();
    lights().addLight(); // the light under test is not light 0, where + and - meet
    const int id = lights().addLight();
    expectInvariant();
    lights().setPosition(id, Point(1, 2, 3));
    EXPECT_EQ(parameter(id, GL_POSITION), std::vector<float>({1, 2, 3, 0}));
    lights().setInfinite(id, false);
    EXPECT_EQ(parameter(id, GL_POSITION)[3], 1.0f);
    EXPECT_FLOAT_EQ(parameter(id, GL_QUADRATIC_ATTENUATION)[0], 10.0f); // falloff over radius cubed
    lights().setRadius(id, 2, 4);
    EXPECT_FLOAT_EQ(parameter(id, GL_QUADRATIC_ATTENUATION)[0], 0.5f);
    lights().setDiffuse(id, 0.5f, 0.25f, 0, 1);
    EXPECT_EQ(parameter(id, GL_DIFFUSE)[1], 0.25f);
    expectInvariant(); // a setter leaves an off light off

    // A point light waits for selectLights (whose reach the lit quad below shows).
    lights().enable(id);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0 + id));
    expectInvariant();
    // Infinite again, and enabled: on at once.
    lights().setInfinite(id, true);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + id));
    lights().disable(id);
    expectInvariant();
    lights().enable(id);
    lights().removeLight(id);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0 + id));
    expectInvariant();

    // A new context gets every light again, on or off, and the script's
    // own restart changes nothing.
    const int other = lights().addLight();
    lights().enable(other);
    lights().setDiffuse(other, 0, 0.5f, 0, 1);
    restart();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + other));
    EXPECT_EQ(parameter(other, GL_DIFFUSE)[1], 0.5f);
    expectInvariant();
    lights().restart();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + other));
    expectInvariant();
}

// Lit, unlit with Color's colour, and glowing with no light at all.
TEST_F(Lights, ALitQuadIsBrighterFacingTheLightAndUnlitGeometryHasTheColourInUse) {
    build({{"GL_LIGHTING", "1"}, {"GL_CULL_FACE", "0"}, {"GL_DEPTH_TEST", "0"},
           {"GL_LIGHT_MODEL_AMBIENT_R", "0"}, {"GL_LIGHT_MODEL_AMBIENT_G", "0"}, {"GL_LIGHT_MODEL_AMBIENT_B", "0"}});
    scene().setBackgroundColor(0, 0, 0, 1);
    Material white;
    white.setDiffuse(1, 1, 1, 1);
    white.setAmbient(0, 0, 0, 1);
    white.use();
    gTransform->matrixMode(GL_MODELVIEW); // the quad 3 in front of the eye
    gTransform->loadIdentity();
    gTransform->translate(0, 0, -3);
    const int id = lights().addLight();
    lights().setPosition(id, Point(0, 0, 1)); // towards the viewer, at infinity
    lights().enable(id);
    EXPECT_GT(drawQuad(0, 0, 1)[0], 200);
    EXPECT_LT(drawQuad(1, 0, 0)[0], 30); // edge on

    // A point light reaches exactly as far as the two radii.
    lights().setInfinite(id, false);
    lights().setPosition(id, Point(0, 0, 2));
    lights().setRadius(id, 2, 0.0001f);
    BoundingSphere quad;
    quad.position = Point(0, 0, -1);
    quad.radius = 1; // distance 3 = 2 + 1
    lights().selectLights(quad);
    EXPECT_GT(drawQuad(0, 0, 1)[0], 200);
    quad.position = Point(0, 0, -1.01f);
    lights().selectLights(quad);
    EXPECT_LT(drawQuad(0, 0, 1)[0], 10);

    // Emission shows with no light at all.
    lights().disable(id);
    Material glowing;
    glowing.setEmission(1, 0, 0, 1);
    glowing.use();
    EXPECT_GT(drawQuad(0, 0, 1)[0], 200);
    Material().use();

    scene().set(GL_LIGHTING, false);
    Color(0.2f, 0.6f, 1, 1).use();
    const std::vector<int> unlit = drawQuad(0, 0, 1), colour{51, 153, 255};
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(unlit[k], colour[k], 2) << k;
}

} // namespace
