#include "script/Classes.h"

#include "script/BillboardBinding.h"
#include "script/BoundingSphereBinding.h"
#include "script/CameraBinding.h"
#include "script/CubeBinding.h"
#include "script/CurvedMeshBinding.h"
#include "script/ColorBinding.h"
#include "script/EventManagerBinding.h"
#include "script/FileBinding.h"
#include "script/FontManagerBinding.h"
#include "script/LightManagerBinding.h"
#include "script/ListenerBinding.h"
#include "script/MaterialBinding.h"
#include "script/MatrixBinding.h"
#include "script/PlaneBinding.h"
#include "script/PointBinding.h"
#include "script/QuadBinding.h"
#include "script/RoundedCubeBinding.h"
#include "script/SceneBinding.h"
#include "script/SoundManagerBinding.h"
#include "script/TextureManagerBinding.h"
#include "script/TimeBinding.h"
#include "script/TransformBinding.h"
#include "script/VFSBinding.h"
#include "script/VarManagerBinding.h"
#include "script/VectorBinding.h"

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
