#include "bindings/CameraBinding.h"

#include "bindings/PointBinding.h"
#include "bindings/VectorBinding.h"

namespace bg {

// The setters take a Point or Vector, or its three numbers.
const Method<CameraBinding> CameraBinding::methods[] = {
    {"lookAt", call<&Camera::lookAt>},
    {"setEye", call<&Camera::setEye>},
    {"getEye", call<&Camera::getEye>},
    {"setCenter", call<&Camera::setCenter>},
    {"getCenter", call<&Camera::getCenter>},
    {"setUp", call<&Camera::setUp>},
    {"getUp", call<&Camera::getUp>},
    {"setLook", call<&Camera::setLook>},
    {"getLook", call<&Camera::getLook>},
    {"getRight", call<&Camera::getRight>},
    {"normalize", call<&Camera::normalize>},
    {nullptr, nullptr}};

} // namespace bg
