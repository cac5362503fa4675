#include "script/VarManagerBinding.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bg {

int VarManagerBinding::getNumber(lua_State* L) {
    expectArgs(L, 1, ":getNumber");
    lua_pushnumber(L, std::atof(object().get(argString(L, 1)).getValue()));
    return 1;
}

int VarManagerBinding::getString(lua_State* L) {
    expectArgs(L, 1, ":getString");
    lua_pushstring(L, object().get(argString(L, 1)).getValue());
    return 1;
}

int VarManagerBinding::getBoolean(lua_State* L) {
    expectArgs(L, 1, ":getBoolean");
    const char* value = object().get(argString(L, 1)).getValue();
    const bool on = std::strcmp(value, "true") == 0 ? true
                    : std::strcmp(value, "false") == 0 ? false
                                                        : std::atoi(value) != 0;
    lua_pushboolean(L, on);
    return 1;
}

// Booleans are stored as "1" or "0", numbers with six decimals, anything
// else as the interpreter's string form of it.
int VarManagerBinding::setVarValue(lua_State* L) {
    expectArgs(L, 2, ":setVarValue");
    Var& var = object().get(argString(L, 1));
    if (lua_type(L, 2) == LUA_TBOOLEAN) {
        var.set(lua_toboolean(L, 2) ? 1 : 0);
    } else if (lua_type(L, 2) == LUA_TNUMBER) {
        char text[512];
        std::snprintf(text, sizeof text, "%f", lua_tonumber(L, 2));
        var.set(text);
    } else {
        var.set(argString(L, 2));
    }
    return 0;
}

int VarManagerBinding::end(lua_State* L) {
    expectArgs(L, 0, ":end");
    object().end();
    return 0;
}

const Method<VarManagerBinding> VarManagerBinding::methods[] = {
    {"getNumber", &VarManagerBinding::getNumber},     {"getString", &VarManagerBinding::getString},
    {"getBoolean", &VarManagerBinding::getBoolean},   {"setVarValue", &VarManagerBinding::setVarValue},
    {"end", &VarManagerBinding::end},                 {nullptr, nullptr}};

} // namespace bg
