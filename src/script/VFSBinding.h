#ifndef BRAWLGEAR_SCRIPT_VFSBINDING_H
#define BRAWLGEAR_SCRIPT_VFSBINDING_H

#include "script/Binding.h"
#include "vfs/VFS.h"

namespace bg {

// "VFS": the file system, reached with getVFS().
class VFSBinding : public SingletonBinding<VFSBinding, VFS, gVFS> {
public:
    static constexpr const char* className = "VFS";
    static constexpr const char* accessorName = "getVFS";
    static const Method<VFSBinding> methods[];
    // getVFS is registered with File, before it.
    static void registerGlobals(lua_State*) {}

    int open(lua_State* L);
    int close(lua_State* L);
    int setDirectory(lua_State* L);
    int getDirectory(lua_State* L);
    int loadOggsSize(lua_State* L);
};

} // namespace bg

#endif
