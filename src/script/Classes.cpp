#include "script/Classes.h"

#include "script/FileBinding.h"
#include "script/VFSBinding.h"
#include "script/VarManagerBinding.h"

namespace bg {

void registerClasses(lua_State* L) {
    ScriptBinding<VarManagerBinding>::registerClass(L);
    ScriptBinding<FileBinding>::registerClass(L);
    ScriptBinding<VFSBinding>::registerClass(L);
}

} // namespace bg
