#include "script/CameraBinding.h"

#include "script/PointBinding.h"
#include "script/VectorBinding.h"

namespace bg {

// The setters take a Point or Vector, or its three numbers.
const Method<CameraBinding> CameraBinding::methods[] = {
    {"lookAt", &CameraBinding::call<&Camera::lookAt>},
    {"setEye", &CameraBinding::call<&Camera::setEye>},
    {"getEye", &CameraBinding::call<&Camera::getEye>},
    {"setCenter", &CameraBinding::call<&Camera::setCenter>},
    {"getCenter", &CameraBinding::call<&Camera::getCenter>},
    {"setUp", &CameraBinding::call<&Camera::setUp>},
    {"getUp", &CameraBinding::call<&Camera::getUp>},
    {"setLook", &CameraBinding::call<&Camera::setLook>},
    {"getLook", &CameraBinding::call<&Camera::getLook>},
    {"getRight", &CameraBinding::call<&Camera::getRight>},
    {"normalize", &CameraBinding::call<&Camera::normalize>},
    {nullptr, nullptr}};

} // namespace bg
