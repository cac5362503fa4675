#include "script/CameraBinding.h"

#include "script/PointBinding.h"
#include "script/VectorBinding.h"

namespace bg {

int CameraBinding::lookAt(lua_State* L) {
    expectArgs(L, 0, ":lookAt");
    object().lookAt();
    return 0;
}

int CameraBinding::setEye(lua_State* L) {
    object().setEye(argsObjectOrXYZ<CameraBinding, PointBinding, Point>(L, ":setEye"));
    return 0;
}

int CameraBinding::getEye(lua_State* L) {
    expectArgs(L, 0, ":getEye");
    return pushXYZ(L, object().getEye());
}

int CameraBinding::setCenter(lua_State* L) {
    object().setCenter(argsObjectOrXYZ<CameraBinding, PointBinding, Point>(L, ":setCenter"));
    return 0;
}

int CameraBinding::getCenter(lua_State* L) {
    expectArgs(L, 0, ":getCenter");
    return pushXYZ(L, object().getCenter());
}

int CameraBinding::setUp(lua_State* L) {
    object().setUp(argsObjectOrXYZ<CameraBinding, VectorBinding, Vector>(L, ":setUp"));
    return 0;
}

int CameraBinding::getUp(lua_State* L) {
    expectArgs(L, 0, ":getUp");
    return pushXYZ(L, object().getUp());
}

int CameraBinding::setLook(lua_State* L) {
    object().setLook(argsObjectOrXYZ<CameraBinding, VectorBinding, Vector>(L, ":setLook"));
    return 0;
}

int CameraBinding::getLook(lua_State* L) {
    expectArgs(L, 0, ":getLook");
    return pushXYZ(L, object().getLook());
}

int CameraBinding::getRight(lua_State* L) {
    expectArgs(L, 0, ":getRight");
    return pushXYZ(L, object().getRight());
}

int CameraBinding::normalize(lua_State* L) {
    expectArgs(L, 0, ":normalize");
    object().normalize();
    return 0;
}

const Method<CameraBinding> CameraBinding::methods[] = {
    {"lookAt", &CameraBinding::lookAt},       {"setEye", &CameraBinding::setEye},
    {"getEye", &CameraBinding::getEye},       {"setCenter", &CameraBinding::setCenter},
    {"getCenter", &CameraBinding::getCenter}, {"setUp", &CameraBinding::setUp},
    {"getUp", &CameraBinding::getUp},         {"setLook", &CameraBinding::setLook},
    {"getLook", &CameraBinding::getLook},     {"getRight", &CameraBinding::getRight},
    {"normalize", &CameraBinding::normalize}, {nullptr, nullptr}};

} // namespace bg
