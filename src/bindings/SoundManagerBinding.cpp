#include "audio/Sound.h"
#include "bindings/PointBinding.h"
#include "bindings/VectorBinding.h"
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

// soundId [, autoRemove = false]
int SoundManagerBinding::addSource(lua_State* L) {
    const int count = argCount(L);
    if (count != 1 && count != 2) wrongArgs(L);
    const int soundId = argInt(L, 1);
    lua_pushnumber(L, object().addSource(soundId, count == 2 && argBool(L, 2)));
    return 1;
}

// All sources, or one.
int SoundManagerBinding::pause(lua_State* L) {
    const int count = argCount(L);
    if (count > 1) wrongArgs(L);
    if (count == 0)
        object().pause();
    else
        object().pause(argInt(L, 1));
    return 0;
}

namespace {

// sourceId, then a V object or its three numbers.
template <class V> void argIdAndValue(lua_State* L, int& id, V& value) {
    const int count = argCount(L);
    if (count != 2 && count != 4) wrongArgs(L);
    id = argInt(L, 1);
    argValueAt(L, 2, value);
}

} // namespace

template <class V, void (SoundManager::*set)(int, const V&)> int SoundManagerBinding::setWithId(lua_State* L) {
    int id;
    V value;
    argIdAndValue(L, id, value);
    (object().*set)(id, value);
    return 0;
}

int SoundManagerBinding::getPosition(lua_State* L) {
    expectArgs(L, 1);
    return pushXYZ(L, object().getPosition(argInt(L, 1)));
}

int SoundManagerBinding::getVelocity(lua_State* L) {
    expectArgs(L, 1);
    return pushXYZ(L, object().getVelocity(argInt(L, 1)));
}

using SM = SoundManager;
const Method<SoundManagerBinding> SoundManagerBinding::methods[] = {
    {"load", call<&SM::load>},
    {"addSource", method<&SoundManagerBinding::addSource>},
    {"removeSource", call<&SM::removeSource>},
    {"play", call<&SM::play>},
    {"stop", call<&SM::stop>},
    {"pause", method<&SoundManagerBinding::pause>},
    {"resume", call<&SM::resume>},
    {"update", call<&SM::update>},
    {"end", call<&SM::end>},
    {"restart", call<&SM::restart>},
    {"setSoundId", call<&SM::setSoundId>},
    {"setGain", call<&SM::setGain>},
    {"setRadius", call<&SM::setRadius>},
    {"setLooping", call<&SM::setLooping>},
    {"setRelative", call<&SM::setRelative>},
    {"setPosition", method<&SoundManagerBinding::setWithId<Point, &SM::setPosition>>},
    {"setVelocity", method<&SoundManagerBinding::setWithId<Vector, &SM::setVelocity>>},
    {"getSoundId", call<&SM::getSoundId>},
    {"getGain", call<&SM::getGain>},
    {"getRadius", call<&SM::getRadius>},
    {"getLooping", call<&SM::getLooping>},
    {"getRelative", call<&SM::getRelative>},
    {"isPlaying", call<&SM::isPlaying>},
    {"getPosition", method<&SoundManagerBinding::getPosition>},
    {"getVelocity", method<&SoundManagerBinding::getVelocity>},
    {nullptr, nullptr}};

void registerSoundManagerClass(lua_State* L) { ScriptBinding<SoundManagerBinding>::registerClass(L); }

} // namespace bg
