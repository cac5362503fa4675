#include "script/Args.h"

#include <cmath>
#include <climits>

namespace bg {

void argCountError(lua_State* L, const char* className, const char* method) {
    luaL_error(L, "%s %s : Invalid number of parameters", className, method);
    __builtin_unreachable();
}

int argInt(lua_State* L, int index) {
    const double value = std::trunc(luaL_checknumber(L, index));
    // Out of range (or not a number at all) would be undefined to convert.
    if (!(value >= INT_MIN && value <= INT_MAX)) return value > 0 ? INT_MAX : INT_MIN;
    return static_cast<int>(value);
}

} // namespace bg
