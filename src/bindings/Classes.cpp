#include "bindings/Classes.h"

#include "bindings/BillboardBinding.h"
#include "bindings/BoundingSphereBinding.h"
#include "bindings/CameraBinding.h"
#include "bindings/ColorBinding.h"
#include "bindings/CubeBinding.h"
#include "bindings/CurvedMeshBinding.h"
#include "bindings/EventManagerBinding.h"
#include "bindings/FileBinding.h"
#include "bindings/FontManagerBinding.h"
#include "bindings/LightManagerBinding.h"
#include "bindings/ListenerBinding.h"
#include "bindings/MaterialBinding.h"
#include "bindings/MatrixBinding.h"
#include "bindings/PlaneBinding.h"
#include "bindings/PointBinding.h"
#include "bindings/QuadBinding.h"
#include "bindings/RoundedCubeBinding.h"
#include "bindings/SceneBinding.h"
#include "bindings/SoundManagerBinding.h"
#include "bindings/TextureManagerBinding.h"
#include "bindings/TimeBinding.h"
#include "bindings/TransformBinding.h"
#include "bindings/VFSBinding.h"
#include "bindings/VarManagerBinding.h"
#include "bindings/VectorBinding.h"

namespace bg {

void registerClasses(lua_State* L) {
    ScriptBinding<VarManagerBinding>::registerClass(L);
    ScriptBinding<FileBinding>::registerClass(L);
    ScriptBinding<VFSBinding>::registerClass(L);
    ScriptBinding<TransformBinding>::registerClass(L);
    ScriptBinding<PointBinding>::registerClass(L);
    ScriptBinding<VectorBinding>::registerClass(L);
    ScriptBinding<PlaneBinding>::registerClass(L);
    ScriptBinding<MatrixBinding>::registerClass(L);
    ScriptBinding<BoundingSphereBinding>::registerClass(L);
    ScriptBinding<CameraBinding>::registerClass(L);
    ScriptBinding<ListenerBinding>::registerClass(L);
    ScriptBinding<MaterialBinding>::registerClass(L);
    ScriptBinding<BillboardBinding>::registerClass(L);
    ScriptBinding<ColorBinding>::registerClass(L);
    ScriptBinding<FontManagerBinding>::registerClass(L);
    ScriptBinding<TextureManagerBinding>::registerClass(L);
    ScriptBinding<SoundManagerBinding>::registerClass(L);
    ScriptBinding<TimeBinding>::registerClass(L);
    ScriptBinding<LightManagerBinding>::registerClass(L);
    ScriptBinding<EventManagerBinding>::registerClass(L);
    ScriptBinding<SceneBinding>::registerClass(L);
    ScriptBinding<CurvedMeshBinding>::registerClass(L);
    ScriptBinding<QuadBinding>::registerClass(L);
    ScriptBinding<CubeBinding>::registerClass(L);
    ScriptBinding<RoundedCubeBinding>::registerClass(L);
}

} // namespace bg
