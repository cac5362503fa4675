#include "script/VFSBinding.h"

namespace bg {

int VFSBinding::open(lua_State* L) {
    expectArgs(L, 1, ":open");
    lua_pushboolean(L, object().open(argString(L, 1)));
    return 1;
}

int VFSBinding::close(lua_State* L) {
    expectArgs(L, 0, ":close");
    lua_pushnumber(L, object().close());
    return 1;
}

int VFSBinding::setDirectory(lua_State* L) {
    expectArgs(L, 1, ":setDirectory");
    object().setDirectory(argString(L, 1));
    return 0;
}

int VFSBinding::getDirectory(lua_State* L) {
    expectArgs(L, 0, ":getDirectory");
    lua_pushstring(L, object().getDirectory());
    return 1;
}

int VFSBinding::loadOggsSize(lua_State* L) {
    expectArgs(L, 1, ":loadOggsSize");
    object().loadOggsSize(argString(L, 1));
    return 0;
}

const Method<VFSBinding> VFSBinding::methods[] = {
    {"open", &VFSBinding::open},
    {"close", &VFSBinding::close},
    {"setDirectory", &VFSBinding::setDirectory},
    {"getDirectory", &VFSBinding::getDirectory},
    {"loadOggsSize", &VFSBinding::loadOggsSize},
    {nullptr, nullptr}};

} // namespace bg
