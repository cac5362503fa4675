#ifndef BRAWLGEAR_SCRIPT_ARGS_H
#define BRAWLGEAR_SCRIPT_ARGS_H

// Reading script arguments in binding methods and constructors.
//
// Inside a method, self stays at stack index 1; inside a constructor the
// class table (or, in the dot form, the argument that takes its place)
// does. So argument n, as the script author counts it, is at stack index
// n + 1, and every helper here takes that count. Every failure is raised as
// a script error (a long jump out of the method): read and check all
// arguments before creating anything that needs a destructor.

#include <lua.hpp>
#include <new>
#include <utility>

namespace bg {

// The one value every function the framework registers carries as its
// first upvalue: which class and method is running. The argument errors
// take their names from it.
struct ClassTag {
    const char* className;
};
struct CallEntry {
    const ClassTag* tag;
    const char* name;      // the registered name ("setX")
    const char* countName; // for the count message, when it is not ":" + name
    bool isMethod;         // self at stack index 1 (else the class table of a constructor)
};

// What a script object's userdata holds. Only the engine makes full
// userdata of this size with a tag in it, so a script cannot forge one.
struct ScriptObject {
    const ClassTag* tag;
    void* object; // the owned engine object of a value class; null once collected
};

// Every class tag is recorded when its class is registered, so that a
// userdata of the same size from elsewhere (a file handle under LuaJIT is
// two words too) is never taken for a script object by its first word.
void recordClassTag(const ClassTag* tag);
// The class name of a script object at stack index `index`, or null.
const char* scriptClassName(lua_State* L, int index);

inline int argCount(lua_State* L) { return lua_gettop(L) - 1; }

// "Class :method : Invalid number of parameters" for the running method.
[[noreturn]] void wrongArgs(lua_State* L);
inline void expectArgs(lua_State* L, int count) {
    if (lua_gettop(L) != count + 1) wrongArgs(L);
}
// "bad argument #n to 'method' (expected expected, got what it got)".
[[noreturn]] void argTypeError(lua_State* L, int n, const char* expected);
[[noreturn]] void argError(lua_State* L, int n, const char* message);

// A number argument, truncated toward zero and limited to int's range.
int argInt(lua_State* L, int n);
inline double argNumber(lua_State* L, int n) {
    const lua_Number value = lua_tonumber(L, n + 1);
    if (value == 0 && !lua_isnumber(L, n + 1)) argTypeError(L, n, "number");
    return value;
}
inline float argFloat(lua_State* L, int n) { return static_cast<float>(argNumber(L, n)); }
// The interpreter's truth rule: only nil, false and a missing argument are false.
inline bool argBool(lua_State* L, int n) { return lua_toboolean(L, n + 1) != 0; }
const char* argString(lua_State* L, int n);
inline bool argIsObject(lua_State* L, int n) { return lua_type(L, n + 1) == LUA_TUSERDATA; }

// Raises the interpreter's own out-of-memory error (status ERRMEM).
[[noreturn]] void raiseMemoryError(lua_State* L);

// A new engine object, or the interpreter's memory error: an exception must
// never cross the interpreter.
template <class T, class... A> T* make(lua_State* L, A&&... args) {
    T* object = nullptr;
    try {
        object = new T(std::forward<A>(args)...);
    } catch (const std::bad_alloc&) {
        object = nullptr; // raised below, once the exception is gone
    }
    if (!object) raiseMemoryError(L);
    return object;
}

} // namespace bg

#endif
