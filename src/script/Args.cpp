#include "script/Args.h"

#include "script/Interpreter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace bg {

namespace {

std::vector<const ClassTag*>& classTags() {
    static std::vector<const ClassTag*> tags;
    return tags;
}

bool knownTag(const ClassTag* tag) {
    const std::vector<const ClassTag*>& tags = classTags();
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

// The debug library can replace a closure's upvalue (under LuaJIT even a
// C function's): trust only a block of the right size with a known tag.
const CallEntry* runningEntry(lua_State* L) {
    const int upvalue = lua_upvalueindex(1);
    if (lua_type(L, upvalue) != LUA_TUSERDATA || lua_objlen(L, upvalue) != sizeof(CallEntry)) return nullptr;
    const CallEntry* entry = static_cast<const CallEntry*>(lua_touserdata(L, upvalue));
    return knownTag(entry->tag) ? entry : nullptr;
}

} // namespace

void recordClassTag(const ClassTag* tag) {
    std::vector<const ClassTag*>& tags = classTags();
    if (std::find(tags.begin(), tags.end(), tag) == tags.end()) tags.push_back(tag);
}

const char* scriptClassName(lua_State* L, int index) {
    if (lua_type(L, index) != LUA_TUSERDATA || lua_objlen(L, index) != sizeof(ScriptObject)) return nullptr;
    const ClassTag* tag = static_cast<const ScriptObject*>(lua_touserdata(L, index))->tag;
    return knownTag(tag) ? tag->className : nullptr;
}

void wrongArgs(lua_State* L) {
    const CallEntry* entry = runningEntry(L);
    if (!entry) luaL_error(L, "Invalid number of parameters");
    if (entry->countName)
        luaL_error(L, "%s %s : Invalid number of parameters", entry->tag->className, entry->countName);
    luaL_error(L, "%s :%s : Invalid number of parameters", entry->tag->className, entry->name);
    __builtin_unreachable();
}

// Positions are counted as the interpreter counts them: a method called
// with a colon does not count self, a method called with a dot does, and a
// constructor never counts the class table.
void argError(lua_State* L, int n, const char* message) {
    const CallEntry* entry = runningEntry(L);
    const char* name = entry ? entry->name : "?";
    int position = n;
    if (entry && entry->isMethod) {
        lua_Debug call;
        const bool colon = lua_getstack(L, 0, &call) && lua_getinfo(L, "n", &call) && call.namewhat &&
                           std::strcmp(call.namewhat, "method") == 0;
        if (!colon) ++position;
    }
    if (position == 0) luaL_error(L, "calling '%s' on bad self (%s)", name, message);
    luaL_error(L, "bad argument #%d to '%s' (%s)", position, name, message);
    __builtin_unreachable();
}

void argTypeError(lua_State* L, int n, const char* expected) {
    const char* got = scriptClassName(L, n + 1);
    if (!got) got = luaL_typename(L, n + 1);
    argError(L, n, lua_pushfstring(L, "%s expected, got %s", expected, got));
}

int argInt(lua_State* L, int n) {
    const double value = std::trunc(argNumber(L, n));
    // Out of range (or not a number at all) would be undefined to convert.
    if (!(value >= INT_MIN && value <= INT_MAX)) return value > 0 ? INT_MAX : INT_MIN;
    return static_cast<int>(value);
}

const char* argString(lua_State* L, int n) {
    const char* text = lua_tostring(L, n + 1);
    if (!text) argTypeError(L, n, "string");
    return text;
}

} // namespace bg
