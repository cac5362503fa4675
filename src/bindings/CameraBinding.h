#ifndef BRAWLGEAR_BINDINGS_CAMERABINDING_H
#define BRAWLGEAR_BINDINGS_CAMERABINDING_H

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

} // namespace bg

#endif
