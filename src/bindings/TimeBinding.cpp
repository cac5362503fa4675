#include "input/Time.h"
#include "script/Binding.h"

namespace bg {

// "Time": the frame timer, reached with getTime().
class TimeBinding : public SingletonBinding<TimeBinding, Time, gTime> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "Time";
    static constexpr const char* accessorName = "getTime";
    static const Method<TimeBinding> methods[];
};

const Method<TimeBinding> TimeBinding::methods[] = {
    {"restart", call<&Time::restart>},
    {"update", call<&Time::update>},
    {"getFPSMax", call<&Time::getFPSMax>},
    {"getFPSMid", call<&Time::getFPSMid>},
    {"getFPSMin", call<&Time::getFPSMin>},
    {"getDt", call<&Time::getDt>},
    {nullptr, nullptr}};

void registerTimeClass(lua_State* L) { ScriptBinding<TimeBinding>::registerClass(L); }

} // namespace bg
