#ifndef BRAWLGEAR_BINDINGS_TIMEBINDING_H
#define BRAWLGEAR_BINDINGS_TIMEBINDING_H

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

} // namespace bg

#endif
