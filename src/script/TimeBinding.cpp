#include "script/TimeBinding.h"

namespace bg {

const Method<TimeBinding> TimeBinding::methods[] = {
    {"restart", &TimeBinding::call<&Time::restart>},
    {"update", &TimeBinding::call<&Time::update>},
    {"getFPSMax", &TimeBinding::call<&Time::getFPSMax>},
    {"getFPSMid", &TimeBinding::call<&Time::getFPSMid>},
    {"getFPSMin", &TimeBinding::call<&Time::getFPSMin>},
    {"getDt", &TimeBinding::call<&Time::getDt>},
    {nullptr, nullptr}};

} // namespace bg
