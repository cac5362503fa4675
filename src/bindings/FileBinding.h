#ifndef BRAWLGEAR_BINDINGS_FILEBINDING_H
#define BRAWLGEAR_BINDINGS_FILEBINDING_H

#include "script/Binding.h"
#include "vfs/VFS.h"

namespace bg {

// "File": a whole file loaded at construction, File(name [, binary]); it has
// no methods of its own and is handed to engine methods that read files.
class FileBinding : public ValueBinding<FileBinding, File> {
public:
    using ValueBinding::ValueBinding;
    static constexpr const char* className = "File";
    static const Method<FileBinding> methods[];
    static File* construct(lua_State* L);
    // getVFS and the unzip result codes are registered with File, before it.
    static void registerAccessors(lua_State* L);
    static void registerConstants(lua_State* L);
};

} // namespace bg

#endif
