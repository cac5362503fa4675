#ifndef BRAWLGEAR_BINDINGS_VFSBINDING_H
#define BRAWLGEAR_BINDINGS_VFSBINDING_H

#include "script/Binding.h"
#include "vfs/VFS.h"

namespace bg {

// "VFS": the file system, reached with getVFS().
class VFSBinding : public SingletonBinding<VFSBinding, VFS, gVFS> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "VFS";
    static constexpr const char* accessorName = "getVFS";
    static const Method<VFSBinding> methods[];
    // getVFS is registered with File, before it.
    static void registerAccessors(lua_State*) {}
};

} // namespace bg

#endif
