#include "script/VarManagerBinding.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bg {

int VarManagerBinding::getNumber(lua_State* L) {
    expectArgs(L, 1);
    lua_pushnumber(L, std::atof(object().get(argString(L, 1)).getValue()));
    return 1;
}

int VarManagerBinding::getString(lua_State* L) {
    expectArgs(L, 1);
    lua_pushstring(L, object().get(argString(L, 1)).getValue());
    return 1;
}

int VarManagerBinding::getBoolean(lua_State* L) {
    expectArgs(L, 1);
    const char* value = object().get(argString(L, 1)).getValue();
    const bool on = std::strcmp(value, "true") == 0 ? true
                    : std::strcmp(value, "false") == 0 ? false
                                                        : std::atoi(value) != 0;
    lua_pushboolean(L, on);
    return 1;
}

// Booleans are stored as "1" or "0", numbers with six decimals, anything
// else as the interpreter's string form of it. A value is one line of
// Engine.cfg: a line break in it would write lines of its own (settings the
// engine trusts at the next start), so control characters are refused.
int VarManagerBinding::setVarValue(lua_State* L) {
    expectArgs(L, 2);
    const char* name = argString(L, 1);
    char number[512];
    const char* value;
    if (lua_type(L, 3) == LUA_TBOOLEAN) {
        value = lua_toboolean(L, 3) ? "1" : "0";
    } else if (lua_type(L, 3) == LUA_TNUMBER) {
        std::snprintf(number, sizeof number, "%f", lua_tonumber(L, 3));
        value = number;
    } else {
        value = argString(L, 2);
    }
    bool blank = false;
    for (const char* c = value; *c; ++c) {
        if (std::iscntrl(static_cast<unsigned char>(*c)) && *c != ' ')
            luaL_error(L, "VarManager:setVarValue( %s ) : a value may not hold line breaks or other control characters",
                       name);
        blank = blank || *c == ' ';
    }
    Var& var = object().get(name);
    var.set(value);
    if (blank)
        BG_WARNING(FixedString("VarManager::setVarValue( ") + name +
                   " ) : the value holds blanks; the next start reads only its first word");
    return 0;
}

const Method<VarManagerBinding> VarManagerBinding::methods[] = {
    {"getNumber", method<&VarManagerBinding::getNumber>},
    {"getString", method<&VarManagerBinding::getString>},
    {"getBoolean", method<&VarManagerBinding::getBoolean>},
    {"setVarValue", method<&VarManagerBinding::setVarValue>},
    {"end", call<&VarManager::end>},
    {nullptr, nullptr}};

} // namespace bg
