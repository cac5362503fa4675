#ifndef BRAWLGEAR_BINDINGS_VARMANAGERBINDING_H
#define BRAWLGEAR_BINDINGS_VARMANAGERBINDING_H

#include "config/Var.h"
#include "script/Binding.h"

namespace bg {

// "VarManager": the scripts' view of Engine.cfg, reached with getVarManager().
class VarManagerBinding : public SingletonBinding<VarManagerBinding, VarManager, gVarManager> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "VarManager";
    static constexpr const char* accessorName = "getVarManager";
    static const Method<VarManagerBinding> methods[];

    int getNumber(lua_State* L);
    int getString(lua_State* L);
    int getBoolean(lua_State* L);
    int setVarValue(lua_State* L);
    int hasVar(lua_State* L);
    int addVar(lua_State* L);

private:
    int store(lua_State* L, const char* method, bool define);
};

} // namespace bg

#endif
