#include "bindings/FileBinding.h"

#include "bindings/VFSBinding.h"

#include <unzip.h>

namespace bg {

File* FileBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count != 1 && count != 2) wrongArgs(L);
    const FixedString name = argString(L, 1);
    const bool binary = count == 2 && argBool(L, 2);
    return make<File>(L, name, binary);
}

void FileBinding::registerAccessors(lua_State* L) {
    lua_register(L, VFSBinding::accessorName, ScriptBinding<VFSBinding>::accessor);
}

void FileBinding::registerConstants(lua_State* L) {
    const Constant constants[] = {{"UNZ_OK", UNZ_OK},
                                  {"UNZ_END_OF_LIST_OF_FILE", UNZ_END_OF_LIST_OF_FILE},
                                  {"UNZ_ERRNO", UNZ_ERRNO},
                                  {"UNZ_EOF", UNZ_EOF},
                                  {"UNZ_PARAMERROR", UNZ_PARAMERROR},
                                  {"UNZ_BADZIPFILE", UNZ_BADZIPFILE},
                                  {"UNZ_INTERNALERROR", UNZ_INTERNALERROR},
                                  {"UNZ_CRCERROR", UNZ_CRCERROR}};
    bg::registerConstants(L, constants);
}

const Method<FileBinding> FileBinding::methods[] = {{nullptr, nullptr}};

} // namespace bg
