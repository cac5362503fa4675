#include "bindings/ColorBinding.h"
#include "bindings/PointBinding.h"
#include "bindings/VectorBinding.h"
#include "graphics/Billboard.h"
#include "script/Binding.h"

namespace bg {

// "Billboard": Billboard(Color, textureId, width, height) or
// Billboard(r, g, b, a, textureId, width, height).
class BillboardBinding : public ValueBinding<BillboardBinding, Billboard> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "Billboard";
    static const Method<BillboardBinding> methods[];
    static Billboard* construct(lua_State* L);

    int display(lua_State* L);
    int getDimension(lua_State* L);
};

Billboard* BillboardBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count != 4 && count != 7) wrongArgs(L);
    Color color;
    const int next = 1 + (count == 4 ? 1 : 4);
    if (count == 4)
        color = ScriptBinding<ColorBinding>::get(L, 1);
    else
        color = ScriptValue<Color>::read(L, 1);
    const int textureId = argInt(L, next);
    const float width = argFloat(L, next + 1), height = argFloat(L, next + 2);
    return make<Billboard>(L, color, textureId, width, height);
}

// A Point or x, y, z; then, for the axis form, a Vector or ax, ay, az.
int BillboardBinding::display(lua_State* L) {
    const int count = argCount(L);
    if (count == 1 || count == 3) {
        object().display(argValue<Point>(L));
    } else if ((count == 2 && argIsObject(L, 1)) || count == 6) {
        Point p;
        Vector axis;
        const int used = argValueAt(L, 1, p);
        if (count - used != (count == 2 ? 1 : 3)) wrongArgs(L);
        argValueAt(L, 1 + used, axis);
        object().display(p, axis);
    } else {
        wrongArgs(L);
    }
    return 0;
}

int BillboardBinding::getDimension(lua_State* L) {
    expectArgs(L, 0);
    lua_pushnumber(L, object().getWidth());
    lua_pushnumber(L, object().getHeight());
    return 2;
}

const Method<BillboardBinding> BillboardBinding::methods[] = {
    {"beginDisplay", call<&Billboard::beginDisplay>},
    {"endDisplay", call<&Billboard::endDisplay>},
    {"bindTexture", call<&Billboard::bindTexture>},
    {"display", method<&BillboardBinding::display>},
    {"display2D", call<&Billboard::display2D>},
    {"setColor", call<&Billboard::setColor>},
    {"getColor", call<&Billboard::getColor>},
    {"setTextureId", call<&Billboard::setTextureId>},
    {"getTextureId", call<&Billboard::getTextureId>},
    {"setDimension", call<&Billboard::setDimension>},
    {"getDimension", method<&BillboardBinding::getDimension>},
    {nullptr, nullptr}};

void registerBillboardClass(lua_State* L) { ScriptBinding<BillboardBinding>::registerClass(L); }

} // namespace bg
