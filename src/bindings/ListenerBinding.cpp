#include "audio/Listener.h"
#include "bindings/PointBinding.h"
#include "bindings/VectorBinding.h"
#include "script/Binding.h"

namespace bg {

// "Listener": the ear, reached with getListener().
class ListenerBinding : public SingletonBinding<ListenerBinding, Listener, gListener> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "Listener";
    static constexpr const char* accessorName = "getListener";
    static const Method<ListenerBinding> methods[];
};

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

void registerListenerClass(lua_State* L) { ScriptBinding<ListenerBinding>::registerClass(L); }

} // namespace bg
