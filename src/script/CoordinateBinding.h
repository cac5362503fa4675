#ifndef BRAWLGEAR_SCRIPT_COORDINATEBINDING_H
#define BRAWLGEAR_SCRIPT_COORDINATEBINDING_H

#include "script/Binding.h"

namespace bg {

// The x, y, z accessors that Point and Vector share: getX, getY, getZ, get,
// setX, setY, setZ, and set (an object of the class or three numbers).
template <class B, class T> class CoordinateBinding : public ValueBinding<B, T> {
public:
    using ValueBinding<B, T>::ValueBinding;

    int getX(lua_State* L) { return getOne(L, ":getX", &T::x); }
    int getY(lua_State* L) { return getOne(L, ":getY", &T::y); }
    int getZ(lua_State* L) { return getOne(L, ":getZ", &T::z); }
    int setX(lua_State* L) { return setOne(L, ":setX", &T::x); }
    int setY(lua_State* L) { return setOne(L, ":setY", &T::y); }
    int setZ(lua_State* L) { return setOne(L, ":setZ", &T::z); }

    int get(lua_State* L) {
        B::expectArgs(L, 0, ":get");
        return pushXYZ(L, this->object());
    }
    int set(lua_State* L) {
        this->object() = argsObjectOrXYZ<B, B, T>(L, ":set");
        return 0;
    }

private:
    int getOne(lua_State* L, const char* method, float T::*coordinate) {
        B::expectArgs(L, 0, method);
        lua_pushnumber(L, this->object().*coordinate);
        return 1;
    }
    int setOne(lua_State* L, const char* method, float T::*coordinate) {
        B::expectArgs(L, 1, method);
        this->object().*coordinate = argFloat(L, 1);
        return 0;
    }
};

} // namespace bg

#endif
