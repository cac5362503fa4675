#include "bindings/VFSBinding.h"

namespace bg {

const Method<VFSBinding> VFSBinding::methods[] = {
    {"open", call<&VFS::open>},
    {"close", call<&VFS::close>},
    {"setDirectory", call<&VFS::setDirectory>},
    {"getDirectory", call<&VFS::getDirectory>},
    {"loadOggsSize", call<&VFS::loadOggsSize>},
    {nullptr, nullptr}};

} // namespace bg
