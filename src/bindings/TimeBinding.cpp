#include "bindings/TimeBinding.h"

namespace bg {

const Method<TimeBinding> TimeBinding::methods[] = {
    {"restart", call<&Time::restart>},
    {"update", call<&Time::update>},
    {"getFPSMax", call<&Time::getFPSMax>},
    {"getFPSMid", call<&Time::getFPSMid>},
    {"getFPSMin", call<&Time::getFPSMin>},
    {"getDt", call<&Time::getDt>},
    {nullptr, nullptr}};

} // namespace bg
