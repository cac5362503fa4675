#ifndef BRAWLGEAR_BINDINGS_SOUNDMANAGERBINDING_H
#define BRAWLGEAR_BINDINGS_SOUNDMANAGERBINDING_H

#include "audio/Sound.h"
#include "script/Binding.h"

namespace bg {

// "SoundManager": sounds and their sources by id, reached with
// getSoundManager().
class SoundManagerBinding : public SingletonBinding<SoundManagerBinding, SoundManager, gSoundManager> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "SoundManager";
    static constexpr const char* accessorName = "getSoundManager";
    static const Method<SoundManagerBinding> methods[];

    int addSource(lua_State* L);
    int pause(lua_State* L);
    // setPosition and setVelocity: a source id, then a Point or Vector or
    // its three numbers.
    template <class V, void (SoundManager::*set)(int, const V&)> int setWithId(lua_State* L);
    int getPosition(lua_State* L);
    int getVelocity(lua_State* L);
};

} // namespace bg

#endif
