#ifndef BRAWLGEAR_SCRIPT_CAMERABINDING_H
#define BRAWLGEAR_SCRIPT_CAMERABINDING_H

#include "graphics/Camera.h"
#include "script/Binding.h"

namespace bg {

// "Camera": the view, reached with getCamera().
class CameraBinding : public SingletonBinding<CameraBinding, Camera, gCamera> {
public:
    static constexpr const char* className = "Camera";
    static constexpr const char* accessorName = "getCamera";
    static const Method<CameraBinding> methods[];

    int lookAt(lua_State* L);
    int setEye(lua_State* L);
    int getEye(lua_State* L);
    int setCenter(lua_State* L);
    int getCenter(lua_State* L);
    int setUp(lua_State* L);
    int getUp(lua_State* L);
    int setLook(lua_State* L);
    int getLook(lua_State* L);
    int getRight(lua_State* L);
    int normalize(lua_State* L);
};

} // namespace bg

#endif
