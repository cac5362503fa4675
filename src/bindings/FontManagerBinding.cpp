#include "bindings/ColorBinding.h"
#include "graphics/Font.h"
#include "script/Binding.h"

namespace bg {

// "FontManager": bitmap fonts and text, reached with getFontManager().
class FontManagerBinding : public SingletonBinding<FontManagerBinding, FontManager, gFontManager> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "FontManager";
    static constexpr const char* accessorName = "getFontManager";
    static const Method<FontManagerBinding> methods[];

    int getStringHeight(lua_State* L);
    int getStringSize(lua_State* L);
    int print(lua_State* L);
};

// The string is required and changes nothing.
int FontManagerBinding::getStringHeight(lua_State* L) {
    expectArgs(L, 1);
    argString(L, 1);
    lua_pushnumber(L, object().getStringHeight());
    return 1;
}

int FontManagerBinding::getStringSize(lua_State* L) {
    expectArgs(L, 1);
    lua_pushnumber(L, object().getStringWidth(argString(L, 1)));
    lua_pushnumber(L, object().getStringHeight());
    return 2;
}

// x, y, text, then a Color or four numbers.
int FontManagerBinding::print(lua_State* L) {
    const int count = argCount(L);
    if (count != 4 && count != 7) wrongArgs(L);
    const int x = argInt(L, 1), y = argInt(L, 2);
    const char* text = argString(L, 3);
    Color color;
    argValueAt(L, 4, color);
    object().print(x, y, text, color);
    return 0;
}

using FM = FontManager;
const Method<FontManagerBinding> FontManagerBinding::methods[] = {
    {"load", call<&FM::load>},
    {"setCurrentFontId", call<&FM::setCurrentFontId>},
    {"setScale", call<&FM::setScale>},
    {"getScale", call<&FM::getScale>},
    {"getStringWidth", call<&FM::getStringWidth>},
    {"getStringHeight", method<&FontManagerBinding::getStringHeight>},
    {"getStringSize", method<&FontManagerBinding::getStringSize>},
    {"print", method<&FontManagerBinding::print>},
    {nullptr, nullptr}};

void registerFontManagerClass(lua_State* L) { ScriptBinding<FontManagerBinding>::registerClass(L); }

} // namespace bg
