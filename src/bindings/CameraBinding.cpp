#include "bindings/PointBinding.h"
#include "bindings/VectorBinding.h"
#include "graphics/Camera.h"
#include "script/Binding.h"

namespace bg {

// "Camera": the view, reached with getCamera().
class CameraBinding : public SingletonBinding<CameraBinding, Camera, gCamera> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "Camera";
    static constexpr const char* accessorName = "getCamera";
    static const Method<CameraBinding> methods[];
};

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

void registerCameraClass(lua_State* L) { ScriptBinding<CameraBinding>::registerClass(L); }

} // namespace bg
