#include "bindings/ListenerBinding.h"

#include "bindings/PointBinding.h"
#include "bindings/VectorBinding.h"

namespace bg {

// The setters take a Point or Vector, or its three numbers, and only store.
const Method<ListenerBinding> ListenerBinding::methods[] = {
    {"setEar", call<&Listener::setEar>},
    {"setCenter", call<&Listener::setCenter>},
    {"setListen", call<&Listener::setListen>},
    {"setUp", call<&Listener::setUp>},
    {"setVelocity", call<&Listener::setVelocity>},
    {"getEar", call<&Listener::getEar>},
    {"getCenter", call<&Listener::getCenter>},
    {"getListen", call<&Listener::getListen>},
    {"getUp", call<&Listener::getUp>},
    {"getVelocity", call<&Listener::getVelocity>},
    {"normalize", call<&Listener::normalize>},
    {nullptr, nullptr}};

} // namespace bg
