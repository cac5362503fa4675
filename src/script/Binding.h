#ifndef BRAWLGEAR_SCRIPT_BINDING_H
#define BRAWLGEAR_SCRIPT_BINDING_H

// How an engine class becomes a script class.
//
// A binding class B (FileBinding, VFSBinding, ...) derives from
// ValueBinding (it owns a new engine object per script object) or from
// SingletonBinding (it stands for one engine singleton and never frees it),
// and provides:
//   static constexpr const char* className;     the script-visible name
//   static const Method<B> methods[];           ended by {nullptr, nullptr}
//   static B* construct(lua_State* L);          reads the constructor
//                                               arguments, then allocates
//   static void registerGlobals(lua_State* L);  optional: accessors, constants
// ScriptBinding<B> then registers the class, creates, dispatches, prints and
// collects its script objects. A script object is a userdata of one pointer
// to its heap-allocated binding object.
//
// The interpreter raises errors with a long jump, which skips C++
// destructors: a binding reads and checks all its arguments before it
// creates anything that owns memory.

#include "script/Args.h"

#include <cstdio>
#include <lua.hpp>
#include <memory>

#include "foundation/Pointer.h"

namespace bg {

// A script global number registered with a class (an OpenGL, SDL or unzip
// constant).
struct Constant {
    const char* name;
    double value;
};

template <std::size_t N> void registerConstants(lua_State* L, const Constant (&constants)[N]) {
    for (const Constant& constant : constants) {
        lua_pushnumber(L, constant.value);
        lua_setglobal(L, constant.name);
    }
}

template <class B> struct Method {
    const char* name;
    int (B::*function)(lua_State* L); // arguments at 1..n, self removed; returns the result count
};

template <class B> class ScriptBinding {
public:
    static void registerClass(lua_State* L) {
        B::registerGlobals(L);

        lua_newtable(L); // the method table M
        const int methods = lua_gettop(L);
        luaL_newmetatable(L, B::className); // the object metatable T
        const int metatable = lua_gettop(L);

        lua_pushvalue(L, methods);
        lua_setglobal(L, B::className);

        lua_pushvalue(L, methods);
        lua_setfield(L, metatable, "__metatable");
        lua_pushvalue(L, methods);
        lua_setfield(L, metatable, "__index");
        lua_pushcfunction(L, toString);
        lua_setfield(L, metatable, "__tostring");
        lua_pushcfunction(L, collect);
        lua_setfield(L, metatable, "__gc");

        lua_newtable(L); // MT, whose __call is the same function as M.new
        lua_pushcfunction(L, create);
        lua_pushvalue(L, -1);
        lua_setfield(L, methods, "new");
        lua_setfield(L, -2, "__call");
        lua_setmetatable(L, methods);

        // Each method is the one dispatcher closed over its list entry and
        // the identity of the object metatable, so a call checks self with a
        // pointer comparison instead of a registry lookup by name. (Tables
        // never move, and the registry keeps this one alive.)
        const void* identity = lua_topointer(L, metatable);
        for (const Method<B>* method = B::methods; method->name; ++method) {
            auto* entry = static_cast<DispatchEntry*>(lua_newuserdata(L, sizeof(DispatchEntry)));
            *entry = DispatchEntry{method, identity};
            lua_pushcclosure(L, dispatch, 1);
            lua_setfield(L, methods, method->name);
        }
        lua_pop(L, 2);
    }

    // The binding object of the script object at `index`, which must be of
    // exactly this class; otherwise the interpreter's type error.
    static B* check(lua_State* L, int index) {
        return *static_cast<B**>(luaL_checkudata(L, index, B::className));
    }

    // Pushes a new script object that takes `binding` over.
    static void push(lua_State* L, B* binding) {
        *static_cast<B**>(lua_newuserdata(L, sizeof(B*))) = binding;
        luaL_getmetatable(L, B::className);
        lua_setmetatable(L, -2);
    }

    // new and __call: both pass the method table first, which is dropped.
    static int create(lua_State* L) {
        if (lua_gettop(L) > 0) lua_remove(L, 1);
        push(L, B::construct(L));
        return 1;
    }

    // The global accessor of a singleton class, named B::accessorName
    // (getVFS, ...).
    static int accessor(lua_State* L) {
        if (lua_gettop(L) != 0) return luaL_error(L, "%s : Invalid number of parameters", B::accessorName);
        push(L, B::construct(L));
        return 1;
    }

private:
    struct DispatchEntry {
        const Method<B>* method;
        const void* metatable;
    };

    static int dispatch(lua_State* L) {
        const auto* entry = static_cast<const DispatchEntry*>(lua_touserdata(L, lua_upvalueindex(1)));
        // A wrong self takes the plain check, which raises the usual error.
        if (!lua_getmetatable(L, 1)) check(L, 1);
        if (lua_topointer(L, -1) != entry->metatable) check(L, 1);
        lua_settop(L, -2);
        B* self = *static_cast<B**>(lua_touserdata(L, 1));
        lua_remove(L, 1);
        return (self->*(entry->method->function))(L);
    }

    static int collect(lua_State* L) {
        B** slot = static_cast<B**>(lua_touserdata(L, 1));
        if (slot) {
            delete *slot;
            *slot = nullptr;
        }
        return 0;
    }

    static int toString(lua_State* L) {
        char address[32];
        std::snprintf(address, sizeof address, "%p", static_cast<void*>(*static_cast<B**>(lua_touserdata(L, 1))));
        lua_pushfstring(L, "%s (%s)", B::className, address);
        return 1;
    }
};

// What every binding class shares: the argument-count checks and, unless
// the class has some, no globals of its own.
template <class B> class BindingBase {
public:
    static void registerGlobals(lua_State*) {}

    // "Class :method : Invalid number of parameters" unless there are
    // `count` arguments.
    static void expectArgs(lua_State* L, int count, const char* method) {
        if (lua_gettop(L) != count) argCountError(L, B::className, method);
    }
    [[noreturn]] static void wrongArgs(lua_State* L, const char* method) { argCountError(L, B::className, method); }
};

// A script class whose objects each own one engine object of type T.
template <class B, class T> class ValueBinding : public BindingBase<B> {
public:
    explicit ValueBinding(T* object) : mObject(object) {}
    T& object() const { return *mObject; }

private:
    std::unique_ptr<T> mObject;
};

// A script class whose objects stand for the engine singleton held in
// `slot`. Any number of script objects may share it; none frees it.
template <class B, class T, SharedPointer<T>& slot> class SingletonBinding : public BindingBase<B> {
public:
    SingletonBinding() : mObject(slot.get()) {}
    static B* construct(lua_State*) { return new B; }
    // The accessor (getVFS, ...) is the singleton class's global.
    static void registerGlobals(lua_State* L) { lua_register(L, B::accessorName, ScriptBinding<B>::accessor); }

    // The singleton; fatal, as any use of a null singleton is, once the
    // engine has released it.
    T& object() const {
        if (!mObject) return *slot;
        return *mObject;
    }

private:
    T* mObject;
};

// The recurring "an object of class B, or x, y, z" form, from `index` to
// the last argument: one argument must be such an object, whose value is
// copied into `out`; otherwise three numbers are read. Returns the number of
// arguments used.
template <class B, class V> int argObjectOrXYZ(lua_State* L, int index, V& out) {
    if (lua_gettop(L) == index) {
        out = ScriptBinding<B>::check(L, index)->object();
        return 1;
    }
    out = V(argFloat(L, index), argFloat(L, index + 1), argFloat(L, index + 2));
    return 3;
}

// The same form as all of a method's arguments: exactly one object or three
// numbers, else the argument-count error of class Self.
template <class Self, class B, class V> V argsObjectOrXYZ(lua_State* L, const char* method) {
    const int count = lua_gettop(L);
    if (count != 1 && count != 3) Self::wrongArgs(L, method);
    V value;
    argObjectOrXYZ<B>(L, 1, value);
    return value;
}

// Pushes x, y and z of a point or vector; three results.
template <class V> int pushXYZ(lua_State* L, const V& v) {
    lua_pushnumber(L, v.x);
    lua_pushnumber(L, v.y);
    lua_pushnumber(L, v.z);
    return 3;
}

} // namespace bg

#endif
