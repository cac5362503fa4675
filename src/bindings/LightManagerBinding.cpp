#include "bindings/MatrixBinding.h"
#include "bindings/PointBinding.h"
#include "graphics/Light.h"
#include "script/Binding.h"

namespace bg {

// "LightManager": the eight OpenGL lights by id, reached with
// getLightManager().
class LightManagerBinding : public SingletonBinding<LightManagerBinding, LightManager, gLightManager> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "LightManager";
    static constexpr const char* accessorName = "getLightManager";
    static const Method<LightManagerBinding> methods[];

    int setPosition(lua_State* L);
    int setRadius(lua_State* L);
    int getPosition(lua_State* L);
    int transform(lua_State* L);
};

// id, then a Point or x, y, z.
int LightManagerBinding::setPosition(lua_State* L) {
    const int count = argCount(L);
    if (count != 2 && count != 4) wrongArgs(L);
    const int id = argInt(L, 1);
    Point p;
    argValueAt(L, 2, p);
    object().setPosition(id, p);
    return 0;
}

// id, radius [, falloff = 10].
int LightManagerBinding::setRadius(lua_State* L) {
    const int count = argCount(L);
    if (count != 2 && count != 3) wrongArgs(L);
    const int id = argInt(L, 1);
    const float radius = argFloat(L, 2);
    object().setRadius(id, radius, count == 3 ? argFloat(L, 3) : 10.0f);
    return 0;
}

int LightManagerBinding::getPosition(lua_State* L) {
    expectArgs(L, 1);
    return pushXYZ(L, object().getPosition(argInt(L, 1)));
}

// A Matrix, or sixteen numbers row by row.
int LightManagerBinding::transform(lua_State* L) {
    const int count = argCount(L);
    if (count != 1 && count != 16) wrongArgs(L);
    object().transform(count == 1 ? ScriptBinding<MatrixBinding>::get(L, 1) : argMatrixRows(L, 1));
    return 0;
}

using LM = LightManager;
const Method<LightManagerBinding> LightManagerBinding::methods[] = {
    {"addLight", call<&LM::addLight>},
    {"removeLight", call<&LM::removeLight>},
    {"enable", call<&LM::enable>},
    {"disable", call<&LM::disable>},
    {"setPosition", method<&LightManagerBinding::setPosition>},
    {"setRadius", method<&LightManagerBinding::setRadius>},
    {"setInfinite", call<&LM::setInfinite>},
    {"setAmbient", call<&LM::setAmbient>},
    {"setDiffuse", call<&LM::setDiffuse>},
    {"setSpecular", call<&LM::setSpecular>},
    {"getPosition", method<&LightManagerBinding::getPosition>},
    {"getRadius", call<&LM::getRadius>},
    {"getInfinite", call<&LM::getInfinite>},
    {"transform", method<&LightManagerBinding::transform>},
    {"restart", call<&LM::restart>},
    {nullptr, nullptr}};

void registerLightManagerClass(lua_State* L) { ScriptBinding<LightManagerBinding>::registerClass(L); }

} // namespace bg
