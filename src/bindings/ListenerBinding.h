#ifndef BRAWLGEAR_BINDINGS_LISTENERBINDING_H
#define BRAWLGEAR_BINDINGS_LISTENERBINDING_H

#include "audio/Listener.h"
#include "script/Binding.h"

namespace bg {

// "Listener": the ear, reached with getListener().
class ListenerBinding : public SingletonBinding<ListenerBinding, Listener, gListener> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "Listener";
    static constexpr const char* accessorName = "getListener";
    static const Method<ListenerBinding> methods[];
};

} // namespace bg

#endif
