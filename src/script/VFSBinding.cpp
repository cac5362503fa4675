#include "script/VFSBinding.h"

namespace bg {

const Method<VFSBinding> VFSBinding::methods[] = {
    {"open", &VFSBinding::call<&VFS::open>},
    {"close", &VFSBinding::call<&VFS::close>},
    {"setDirectory", &VFSBinding::call<&VFS::setDirectory>},
    {"getDirectory", &VFSBinding::call<&VFS::getDirectory>},
    {"loadOggsSize", &VFSBinding::call<&VFS::loadOggsSize>},
    {nullptr, nullptr}};

} // namespace bg
