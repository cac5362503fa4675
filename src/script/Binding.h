#ifndef BRAWLGEAR_SCRIPT_BINDING_H
#define BRAWLGEAR_SCRIPT_BINDING_H

// How an engine class becomes a script class.
//
// A binding class B (FileBinding, VFSBinding, ...) derives from
// ValueBinding (each script object owns one engine object) or from
// SingletonBinding (its objects stand for one engine singleton and never
// free it), and provides:
//   static constexpr const char* className;   the script-visible name
//   static const Method<B> methods[];         ended by {nullptr, nullptr}
//   static T* construct(lua_State* L);        value classes: reads the
//                                             arguments, then makes the object
//   static constexpr const char* accessorName; singleton classes: getVFS, ...
// and optionally `constants` (global numbers) and `accessors` (global
// functions) registered just before the class.
//
// A script object is a userdata of two pointers: the class tag and the
// engine object (a singleton's is read from its slot on every call, so a
// released singleton is never reached). Every entry point checks the tag,
// which only the engine can write, and that the object is still alive
// before it trusts either: a finaliser called by hand, a resurrected object
// or an object of another class gets a script error, never a crash.
//
// The methods are member functions of B, which is made on the C stack for
// each call and holds nothing but the engine object's address. Self stays
// at stack index 1; the argument helpers of Args.h count from after it.

#include "script/Args.h"

#include <cstdio>
#include <lua.hpp>
#include <tuple>
#include <type_traits>
#include <utility>

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

// One entry of a class's method list. `function` is made by the binding
// bases: method<&B::member> for a member function of the binding class
// (self at stack index 1, argument n at n + 1, returns the result count),
// call<&T::member> and get<&T::a, &T::b> for the generic shapes.
template <class B> struct Method {
    const char* name;
    lua_CFunction function;
    const char* countName = nullptr; // the count message's method text, where it is not ":" + name
};

template <class B> class ScriptBinding {
public:
    using Object = typename B::Object;

    static void registerClass(lua_State* L) {
        B::registerAccessors(L);
        B::registerConstants(L);

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
        recordClassTag(&tag);
        pushEntryClosure(L, {&tag, "__tostring", nullptr, true}, toString);
        lua_setfield(L, metatable, "__tostring");
        pushEntryClosure(L, {&tag, "__gc", nullptr, true}, collect);
        lua_setfield(L, metatable, "__gc");

        lua_newtable(L); // MT, whose __call is the same function as M.new
        pushEntryClosure(L, {&tag, B::className, ":new", false}, create);
        lua_pushvalue(L, -1);
        lua_setfield(L, methods, "new");
        lua_setfield(L, -2, "__call");
        lua_setmetatable(L, methods);

        for (const Method<B>* method = B::methods; method->name; ++method) {
            pushEntryClosure(L, {&tag, method->name, method->countName, true}, method->function);
            lua_setfield(L, methods, method->name);
        }
        lua_pop(L, 2);
    }

    // The engine object of argument n (stack index n + 1), which must be a
    // live script object of exactly this class; otherwise a script error.
    static Object& get(lua_State* L, int n) {
        ScriptObject* object = static_cast<ScriptObject*>(lua_touserdata(L, n + 1));
        if (!isMine(L, n + 1, object)) argTypeError(L, n, B::className);
        void* engineObject = B::live(object);
        if (!engineObject) deadError(L);
        return *static_cast<Object*>(engineObject);
    }

    // Pushes a new script object owning a new engine object made from
    // `args`. The userdata comes first, so a failure at either step leaks
    // nothing.
    template <class... A> static void pushNew(lua_State* L, A&&... args) {
        ScriptObject* object = pushEmpty(L);
        object->object = make<Object>(L, std::forward<A>(args)...);
    }

    // A method: checks self, then calls the member function of B on a B
    // made for the call. Each method gets a function of its own, so the
    // call is direct; the method's name (for error messages) is the
    // closure's upvalue, read only when something is wrong.
    template <auto function> static int dispatch(lua_State* L) {
        ScriptObject* object = static_cast<ScriptObject*>(lua_touserdata(L, 1));
        if (!isMine(L, 1, object)) argTypeError(L, 0, B::className);
        void* engineObject = B::live(object);
        if (!engineObject) deadError(L);
        B self(engineObject);
        return (self.*function)(L);
    }

    // The global accessor of a singleton class (getVFS, ...).
    static int accessor(lua_State* L) {
        if (lua_gettop(L) != 0) return luaL_error(L, "%s : Invalid number of parameters", B::accessorName);
        pushEmpty(L);
        return 1;
    }

private:
    static inline const ClassTag tag{B::className};

    // Every function the class registers carries its CallEntry.
    static void pushEntryClosure(lua_State* L, const CallEntry& entry, lua_CFunction function) {
        *static_cast<CallEntry*>(lua_newuserdata(L, sizeof(CallEntry))) = entry;
        lua_pushcclosure(L, function, 1);
    }

    static bool isMine(lua_State* L, int index, const ScriptObject* object) {
        return object && lua_objlen(L, index) == sizeof(ScriptObject) && object->tag == &tag;
    }

    [[noreturn]] static void deadError(lua_State* L) {
        luaL_error(L, "%s : the object has been collected or released", B::className);
        __builtin_unreachable();
    }

    // The class's object metatable. The registry is within the debug
    // library's reach: anything but a table there is refused.
    static void pushMetatable(lua_State* L) {
        luaL_getmetatable(L, B::className);
        if (!lua_istable(L, -1)) luaL_error(L, "%s : the class's metatable has been replaced", B::className);
    }

    static ScriptObject* pushEmpty(lua_State* L) {
        auto* object = static_cast<ScriptObject*>(lua_newuserdata(L, sizeof(ScriptObject)));
        *object = ScriptObject{&tag, nullptr};
        pushMetatable(L);
        lua_setmetatable(L, -2);
        return object;
    }

    // new and __call. Both pass the method table first; it stays at index
    // 1, where the new userdata goes, so the arguments keep their places.
    static int create(lua_State* L) {
        if (lua_gettop(L) == 0) lua_settop(L, 1);
        // Made whole (metatable attached, no engine object yet) before
        // anything can fail: an object an error leaves behind is collected
        // like any other, and frees nothing.
        auto* object = static_cast<ScriptObject*>(lua_newuserdata(L, sizeof(ScriptObject)));
        *object = ScriptObject{&tag, nullptr};
        pushMetatable(L);
        lua_setmetatable(L, -2);
        lua_replace(L, 1);
        object->object = B::construct(L);
        lua_settop(L, 1);
        return 1;
    }

    static int collect(lua_State* L) {
        ScriptObject* object = static_cast<ScriptObject*>(lua_touserdata(L, 1));
        if (!isMine(L, 1, object)) argTypeError(L, 0, B::className);
        B::release(object);
        return 0;
    }

    static int toString(lua_State* L) {
        ScriptObject* object = static_cast<ScriptObject*>(lua_touserdata(L, 1));
        if (!isMine(L, 1, object)) argTypeError(L, 0, B::className);
        if (!B::live(object)) deadError(L);
        // The script object's own address: two objects for one singleton
        // print differently.
        char address[32];
        std::snprintf(address, sizeof address, "%p", static_cast<void*>(object));
        lua_pushfstring(L, "%s (%s)", B::className, address);
        return 1;
    }
};

// Script values with components: an object of their class, or that many
// numbers. Specialised beside each binding class (Point, Vector, ...).
template <class V> struct ScriptValue;

// "An object of V's class or its numbers" at argument n: reads into `out`
// and returns how many arguments it took. One argument must be the object.
template <class V> int argValueAt(lua_State* L, int n, V& out) {
    using Traits = ScriptValue<V>;
    if (argIsObject(L, n) || argCount(L) == n) {
        out = ScriptBinding<typename Traits::Binding>::get(L, n);
        return 1;
    }
    out = Traits::read(L, n);
    return Traits::count;
}

// The same as all of a method's arguments: exactly one object or all its
// numbers, else the count error.
template <class V> V argValue(lua_State* L) {
    using Traits = ScriptValue<V>;
    const int count = argCount(L);
    if (count == 1) return ScriptBinding<typename Traits::Binding>::get(L, 1);
    if (count != Traits::count) wrongArgs(L);
    return Traits::read(L, 1);
}

// Pushes x, y and z of a point or vector; three results.
template <class V> int pushXYZ(lua_State* L, const V& v) {
    lua_pushnumber(L, v.x);
    lua_pushnumber(L, v.y);
    lua_pushnumber(L, v.z);
    return 3;
}

// Generic methods: a member function of the engine class, called with its
// arguments read by their types and its result pushed by its type. Numbers
// (int truncated), booleans, strings and ScriptValue types (as the only
// parameter: the object or its numbers) go in; nothing, numbers, booleans,
// strings and ScriptValue types (their numbers) come out.
namespace detail {

template <class P> using Bare = std::remove_cv_t<std::remove_reference_t<P>>;
template <class V> constexpr bool isPlain = std::is_arithmetic_v<V> || std::is_enum_v<V> || std::is_same_v<V, const char*>;

template <class F> struct Member;
template <class R, class... P> struct Member<R (*)(P...)> {
    using Result = R;
    using Params = std::tuple<Bare<P>...>;
};
template <class T, class R, class... P> struct Member<R (T::*)(P...)> {
    using Result = R;
    using Params = std::tuple<Bare<P>...>;
};
template <class T, class R, class... P> struct Member<R (T::*)(P...) const> : Member<R (T::*)(P...)> {};

template <class V> V readArg(lua_State* L, int n) {
    if constexpr (std::is_same_v<V, bool>)
        return argBool(L, n);
    else if constexpr (std::is_integral_v<V> || std::is_enum_v<V>)
        return static_cast<V>(argInt(L, n));
    else if constexpr (std::is_floating_point_v<V>)
        return static_cast<V>(argNumber(L, n));
    else if constexpr (std::is_same_v<V, const char*>)
        return argString(L, n);
    else
        return argValue<V>(L);
}

template <class R> int pushResult(lua_State* L, const R& value) {
    if constexpr (std::is_same_v<R, bool>) {
        lua_pushboolean(L, value);
        return 1;
    } else if constexpr (std::is_arithmetic_v<R> || std::is_enum_v<R>) {
        lua_pushnumber(L, static_cast<lua_Number>(value));
        return 1;
    } else if constexpr (std::is_same_v<R, const char*>) {
        lua_pushstring(L, value);
        return 1;
    } else {
        return ScriptValue<R>::push(L, value);
    }
}

template <class Params, std::size_t... I> Params readArgs(lua_State* L, std::index_sequence<I...>) {
    constexpr std::size_t count = sizeof...(I);
    // A lone value of components has its own count rule (argValue).
    if constexpr (count != 1 || isPlain<std::tuple_element_t<0, std::tuple<std::tuple_element_t<I, Params>..., int>>>)
        if (argCount(L) != static_cast<int>(count)) wrongArgs(L);
    // Braces read the arguments in order, so the first bad one is blamed.
    return Params{readArg<std::tuple_element_t<I, Params>>(L, static_cast<int>(I) + 1)...};
}

// A member function on the object, or a static one (the class's own).
template <auto function, class T, class... A> decltype(auto) callWith(T& object, A&... args) {
    if constexpr (std::is_member_function_pointer_v<decltype(function)>)
        return (object.*function)(args...);
    else
        return function(args...);
}

template <auto function, class T> int invoke(lua_State* L, T& object) {
    using Params = typename Member<decltype(function)>::Params;
    using Result = typename Member<decltype(function)>::Result;
    if constexpr (std::tuple_size_v<Params> == 0) {
        // The common getter and command: no tuple, so the call inlines.
        if (argCount(L) != 0) wrongArgs(L);
        if constexpr (std::is_void_v<Result>) {
            callWith<function>(object);
            return 0;
        } else {
            return pushResult(L, callWith<function>(object));
        }
    } else {
        Params args = readArgs<Params>(L, std::make_index_sequence<std::tuple_size_v<Params>>());
        auto apply = [&](auto&... a) -> decltype(auto) { return callWith<function>(object, a...); };
        if constexpr (std::is_void_v<Result>) {
            std::apply(apply, args);
            return 0;
        } else {
            return pushResult(L, std::apply(apply, args));
        }
    }
}

} // namespace detail

// What the two kinds of binding share: the engine object of the call, the
// generic methods, and no globals unless a class registers some.
template <class B, class T> class BindingOf {
public:
    using Object = T;
    explicit BindingOf(void* object) : mObject(static_cast<T*>(object)) {}
    T& object() const { return *mObject; }

    template <auto function> int invoke(lua_State* L) { return detail::invoke<function>(L, *mObject); }
    template <auto... getters> int getAll(lua_State* L) {
        expectArgs(L, 0);
        int results = 0;
        ((results += detail::pushResult(L, (mObject->*getters)())), ...);
        return results;
    }

    static void registerAccessors(lua_State*) {}
    static void registerConstants(lua_State*) {}

    // The method-list functions: a member function of the binding class;
    // the engine class's member function of the same meaning
    // ({"getDt", call<&Time::getDt>}); several getters' results for a method
    // without arguments ({"getScreenSize", get<&T::getWidth, &T::getHeight>}).
    template <auto function>
    static constexpr lua_CFunction method = &ScriptBinding<B>::template dispatch<function>;
    template <auto function>
    static constexpr lua_CFunction call = &ScriptBinding<B>::template dispatch<&BindingOf::template invoke<function>>;
    template <auto... getters>
    static constexpr lua_CFunction get = &ScriptBinding<B>::template dispatch<&BindingOf::template getAll<getters...>>;

private:
    T* mObject;
};

// A script class whose objects each own one engine object of type T.
template <class B, class T> class ValueBinding : public BindingOf<B, T> {
public:
    using BindingOf<B, T>::BindingOf;
    static void* live(ScriptObject* object) { return object->object; }
    static void release(ScriptObject* object) {
        delete static_cast<T*>(object->object);
        object->object = nullptr;
    }
};

// A script class whose objects stand for the engine singleton held in
// `slot`. Any number of script objects may share it; none frees it.
template <class B, class T, SharedPointer<T>& slot> class SingletonBinding : public BindingOf<B, T> {
public:
    using BindingOf<B, T>::BindingOf;
    static void* live(ScriptObject*) { return slot.get(); }
    static void release(ScriptObject*) {}
    static T* construct(lua_State*) { return slot.get(); }
    static void registerAccessors(lua_State* L) { lua_register(L, B::accessorName, ScriptBinding<B>::accessor); }
};

} // namespace bg

#endif
