#include "bindings/Classes.h"

#include "bindings/BoundingSphereBinding.h"
#include "bindings/ColorBinding.h"
#include "bindings/FileBinding.h"
#include "bindings/MaterialBinding.h"
#include "bindings/MatrixBinding.h"
#include "bindings/PlaneBinding.h"
#include "bindings/PointBinding.h"
#include "bindings/VFSBinding.h"
#include "bindings/VectorBinding.h"

namespace bg {

// The classes declared in their own units only.
void registerBillboardClass(lua_State* L);
void registerCameraClass(lua_State* L);
void registerCubeClass(lua_State* L);
void registerCurvedMeshClass(lua_State* L);
void registerEventManagerClass(lua_State* L);
void registerFontManagerClass(lua_State* L);
void registerLightManagerClass(lua_State* L);
void registerListenerClass(lua_State* L);
void registerQuadClass(lua_State* L);
void registerRoundedCubeClass(lua_State* L);
void registerSceneClass(lua_State* L);
void registerSoundManagerClass(lua_State* L);
void registerTextureManagerClass(lua_State* L);
void registerTimeClass(lua_State* L);
void registerTransformClass(lua_State* L);
void registerVarManagerClass(lua_State* L);

void registerClasses(lua_State* L) {
    registerVarManagerClass(L);
    ScriptBinding<FileBinding>::registerClass(L);
    ScriptBinding<VFSBinding>::registerClass(L);
    registerTransformClass(L);
    ScriptBinding<PointBinding>::registerClass(L);
    ScriptBinding<VectorBinding>::registerClass(L);
    ScriptBinding<PlaneBinding>::registerClass(L);
    ScriptBinding<MatrixBinding>::registerClass(L);
    ScriptBinding<BoundingSphereBinding>::registerClass(L);
    registerCameraClass(L);
    registerListenerClass(L);
    ScriptBinding<MaterialBinding>::registerClass(L);
    registerBillboardClass(L);
    ScriptBinding<ColorBinding>::registerClass(L);
    registerFontManagerClass(L);
    registerTextureManagerClass(L);
    registerSoundManagerClass(L);
    registerTimeClass(L);
    registerLightManagerClass(L);
    registerEventManagerClass(L);
    registerSceneClass(L);
    registerCurvedMeshClass(L);
    registerQuadClass(L);
    registerCubeClass(L);
    registerRoundedCubeClass(L);
}

} // namespace bg
