#include "config/Var.h"
#include "script/Binding.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bg {

// "VarManager": the scripts' view of Engine.cfg, reached with getVarManager().
class VarManagerBinding : public SingletonBinding<VarManagerBinding, VarManager, gVarManager> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "VarManager";
    static constexpr const char* accessorName = "getVarManager";
    static const Method<VarManagerBinding> methods[];

    int getNumber(lua_State* L);
    int getString(lua_State* L);
    int getBoolean(lua_State* L);
    int setVarValue(lua_State* L);
    int hasVar(lua_State* L);
    int addVar(lua_State* L);

private:
    int store(lua_State* L, const char* method, bool define);
};

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

namespace {

// Booleans are stored as "1" or "0", numbers with six decimals, anything
// else as the interpreter's string form of it. A value is one line of
// Engine.cfg: a line break in it would write lines of its own (settings the
// engine trusts at the next start), so control characters are refused.
// Raises the script error before anything changes.
const char* valueOf(lua_State* L, const char* method, const char* name, char (&number)[512], bool& blank) {
    const char* value;
    if (lua_type(L, 3) == LUA_TBOOLEAN) {
        value = lua_toboolean(L, 3) ? "1" : "0";
    } else if (lua_type(L, 3) == LUA_TNUMBER) {
        std::snprintf(number, sizeof number, "%f", lua_tonumber(L, 3));
        value = number;
    } else {
        value = argString(L, 2);
    }
    blank = false;
    for (const char* c = value; *c; ++c) {
        if (std::iscntrl(static_cast<unsigned char>(*c)) && *c != ' ')
            luaL_error(L, "VarManager:%s( %s ) : a value may not hold line breaks or other control characters", method,
                       name);
        blank = blank || *c == ' ';
    }
    return value;
}

void warnOfBlanks(const char* name) {
    BG_WARNING(FixedString("VarManager::setVarValue( ") + name +
               " ) : the value holds blanks; the next start reads only its first word");
}

} // namespace

// setVarValue and addVar: the value stored as setVarValue always has; with
// `define`, a name Engine.cfg lacks is added first. A name is one word of
// Engine.cfg (no blanks, no control characters), and Engine.cfg is read in
// lines of at most 255 characters: a longer one would come back as two
// variables.
int VarManagerBinding::store(lua_State* L, const char* method, bool define) {
    expectArgs(L, 2);
    const char* name = argString(L, 1);
    char number[512];
    bool blank = false;
    const char* value = valueOf(L, method, name, number, blank);
    if (define) {
        bool word = *name != '\0' && std::strlen(name) < MAX_STR_SIZE;
        for (const char* c = name; *c; ++c)
            word = word && !std::isspace(static_cast<unsigned char>(*c)) && !std::iscntrl(static_cast<unsigned char>(*c));
        if (!word)
            return luaL_error(L, "VarManager:addVar( %s ) : a name is one word without blanks or control characters", name);
        if (std::strlen(name) + 3 + std::strlen(value) > MAX_STR_SIZE - 2)
            return luaL_error(L, "VarManager:addVar( %s ) : name and value make a line longer than Engine.cfg reads", name);
        if (!object().has(name) && !object().add(name, value))
            return luaL_error(L, "VarManager:addVar( %s ) : Engine.cfg holds as many variables as it can (%d)", name,
                              VarManager::CAPACITY);
    }
    object().get(name).set(value);
    if (blank) warnOfBlanks(name);
    return 0;
}

int VarManagerBinding::setVarValue(lua_State* L) { return store(L, "setVarValue", false); }

int VarManagerBinding::addVar(lua_State* L) { return store(L, "addVar", true); }

int VarManagerBinding::hasVar(lua_State* L) {
    expectArgs(L, 1);
    const char* name = argString(L, 1);
    lua_pushboolean(L, *name != '\0' && object().has(name)); // "" would find a free slot
    return 1;
}

const Method<VarManagerBinding> VarManagerBinding::methods[] = {
    {"getNumber", method<&VarManagerBinding::getNumber>},
    {"getString", method<&VarManagerBinding::getString>},
    {"getBoolean", method<&VarManagerBinding::getBoolean>},
    {"setVarValue", method<&VarManagerBinding::setVarValue>},
    {"hasVar", method<&VarManagerBinding::hasVar>},
    {"addVar", method<&VarManagerBinding::addVar>},
    {"end", call<&VarManager::end>},
    {nullptr, nullptr}};

void registerVarManagerClass(lua_State* L) { ScriptBinding<VarManagerBinding>::registerClass(L); }

} // namespace bg
