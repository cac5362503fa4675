#ifndef BRAWLGEAR_BINDINGS_COORDINATEBINDING_H
#define BRAWLGEAR_BINDINGS_COORDINATEBINDING_H

#include "script/Binding.h"

namespace bg {

// The x, y, z accessors that Point and Vector share: getX, getY, getZ, get,
// setX, setY, setZ, and set (an object of the class or three numbers).
template <class B, class T> class CoordinateBinding : public ValueBinding<B, T> {
public:
    using ValueBinding<B, T>::ValueBinding;

    int getX(lua_State* L) { return getOne(L, &T::x); }
    int getY(lua_State* L) { return getOne(L, &T::y); }
    int getZ(lua_State* L) { return getOne(L, &T::z); }
    int setX(lua_State* L) { return setOne(L, &T::x); }
    int setY(lua_State* L) { return setOne(L, &T::y); }
    int setZ(lua_State* L) { return setOne(L, &T::z); }

    int get(lua_State* L) {
        expectArgs(L, 0);
        return pushXYZ(L, this->object());
    }
    int set(lua_State* L) {
        this->object() = argValue<T>(L);
        return 0;
    }

private:
    int getOne(lua_State* L, float T::*coordinate) {
        expectArgs(L, 0);
        lua_pushnumber(L, this->object().*coordinate);
        return 1;
    }
    int setOne(lua_State* L, float T::*coordinate) {
        expectArgs(L, 1);
        this->object().*coordinate = argFloat(L, 1);
        return 0;
    }
};

// Point and Vector as arguments: the object or its three numbers.
template <class V, class B> struct XYZValue {
    using Binding = B;
    static constexpr int count = 3;
    static V read(lua_State* L, int n) { return V{argFloat(L, n), argFloat(L, n + 1), argFloat(L, n + 2)}; }
    static int push(lua_State* L, const V& v) { return pushXYZ(L, v); }
};

} // namespace bg

#endif
