#include "bindings/FrameHooks.h"
#include "input/EventManager.h"
#include "script/Binding.h"

#include <SDL.h>

namespace bg {

// "EventManager": keyboard and mouse, reached with getEventManager(); the
// SDLK_ key symbols are registered with it.
class EventManagerBinding : public SingletonBinding<EventManagerBinding, EventManager, gEventManager> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "EventManager";
    static constexpr const char* accessorName = "getEventManager";
    static const Method<EventManagerBinding> methods[];
    static void registerConstants(lua_State* L);

    int update(lua_State* L);
};

void EventManagerBinding::registerConstants(lua_State* L) {
    // SDL 1.2's key symbols, the international "world" keys left out.
    const Constant keys[] = {
        {"SDLK_UNKNOWN", SDLK_UNKNOWN},
        {"SDLK_FIRST", SDLK_FIRST},
        {"SDLK_BACKSPACE", SDLK_BACKSPACE},
        {"SDLK_TAB", SDLK_TAB},
        {"SDLK_CLEAR", SDLK_CLEAR},
        {"SDLK_RETURN", SDLK_RETURN},
        {"SDLK_PAUSE", SDLK_PAUSE},
        {"SDLK_ESCAPE", SDLK_ESCAPE},
        {"SDLK_SPACE", SDLK_SPACE},
        {"SDLK_EXCLAIM", SDLK_EXCLAIM},
        {"SDLK_QUOTEDBL", SDLK_QUOTEDBL},
        {"SDLK_HASH", SDLK_HASH},
        {"SDLK_DOLLAR", SDLK_DOLLAR},
        {"SDLK_AMPERSAND", SDLK_AMPERSAND},
        {"SDLK_QUOTE", SDLK_QUOTE},
        {"SDLK_LEFTPAREN", SDLK_LEFTPAREN},
        {"SDLK_RIGHTPAREN", SDLK_RIGHTPAREN},
        {"SDLK_ASTERISK", SDLK_ASTERISK},
        {"SDLK_PLUS", SDLK_PLUS},
        {"SDLK_COMMA", SDLK_COMMA},
        {"SDLK_MINUS", SDLK_MINUS},
        {"SDLK_PERIOD", SDLK_PERIOD},
        {"SDLK_SLASH", SDLK_SLASH},
        {"SDLK_0", SDLK_0},
        {"SDLK_1", SDLK_1},
        {"SDLK_2", SDLK_2},
        {"SDLK_3", SDLK_3},
        {"SDLK_4", SDLK_4},
        {"SDLK_5", SDLK_5},
        {"SDLK_6", SDLK_6},
        {"SDLK_7", SDLK_7},
        {"SDLK_8", SDLK_8},
        {"SDLK_9", SDLK_9},
        {"SDLK_COLON", SDLK_COLON},
        {"SDLK_SEMICOLON", SDLK_SEMICOLON},
        {"SDLK_LESS", SDLK_LESS},
        {"SDLK_EQUALS", SDLK_EQUALS},
        {"SDLK_GREATER", SDLK_GREATER},
        {"SDLK_QUESTION", SDLK_QUESTION},
        {"SDLK_AT", SDLK_AT},
        {"SDLK_LEFTBRACKET", SDLK_LEFTBRACKET},
        {"SDLK_BACKSLASH", SDLK_BACKSLASH},
        {"SDLK_RIGHTBRACKET", SDLK_RIGHTBRACKET},
        {"SDLK_CARET", SDLK_CARET},
        {"SDLK_UNDERSCORE", SDLK_UNDERSCORE},
        {"SDLK_BACKQUOTE", SDLK_BACKQUOTE},
        {"SDLK_a", SDLK_a},
        {"SDLK_b", SDLK_b},
        {"SDLK_c", SDLK_c},
        {"SDLK_d", SDLK_d},
        {"SDLK_e", SDLK_e},
        {"SDLK_f", SDLK_f},
        {"SDLK_g", SDLK_g},
        {"SDLK_h", SDLK_h},
        {"SDLK_i", SDLK_i},
        {"SDLK_j", SDLK_j},
        {"SDLK_k", SDLK_k},
        {"SDLK_l", SDLK_l},
        {"SDLK_m", SDLK_m},
        {"SDLK_n", SDLK_n},
        {"SDLK_o", SDLK_o},
        {"SDLK_p", SDLK_p},
        {"SDLK_q", SDLK_q},
        {"SDLK_r", SDLK_r},
        {"SDLK_s", SDLK_s},
        {"SDLK_t", SDLK_t},
        {"SDLK_u", SDLK_u},
        {"SDLK_v", SDLK_v},
        {"SDLK_w", SDLK_w},
        {"SDLK_x", SDLK_x},
        {"SDLK_y", SDLK_y},
        {"SDLK_z", SDLK_z},
        {"SDLK_DELETE", SDLK_DELETE},
        {"SDLK_KP0", SDLK_KP0},
        {"SDLK_KP1", SDLK_KP1},
        {"SDLK_KP2", SDLK_KP2},
        {"SDLK_KP3", SDLK_KP3},
        {"SDLK_KP4", SDLK_KP4},
        {"SDLK_KP5", SDLK_KP5},
        {"SDLK_KP6", SDLK_KP6},
        {"SDLK_KP7", SDLK_KP7},
        {"SDLK_KP8", SDLK_KP8},
        {"SDLK_KP9", SDLK_KP9},
        {"SDLK_KP_PERIOD", SDLK_KP_PERIOD},
        {"SDLK_KP_DIVIDE", SDLK_KP_DIVIDE},
        {"SDLK_KP_MULTIPLY", SDLK_KP_MULTIPLY},
        {"SDLK_KP_MINUS", SDLK_KP_MINUS},
        {"SDLK_KP_PLUS", SDLK_KP_PLUS},
        {"SDLK_KP_ENTER", SDLK_KP_ENTER},
        {"SDLK_KP_EQUALS", SDLK_KP_EQUALS},
        {"SDLK_UP", SDLK_UP},
        {"SDLK_DOWN", SDLK_DOWN},
        {"SDLK_RIGHT", SDLK_RIGHT},
        {"SDLK_LEFT", SDLK_LEFT},
        {"SDLK_INSERT", SDLK_INSERT},
        {"SDLK_HOME", SDLK_HOME},
        {"SDLK_END", SDLK_END},
        {"SDLK_PAGEUP", SDLK_PAGEUP},
        {"SDLK_PAGEDOWN", SDLK_PAGEDOWN},
        {"SDLK_F1", SDLK_F1},
        {"SDLK_F2", SDLK_F2},
        {"SDLK_F3", SDLK_F3},
        {"SDLK_F4", SDLK_F4},
        {"SDLK_F5", SDLK_F5},
        {"SDLK_F6", SDLK_F6},
        {"SDLK_F7", SDLK_F7},
        {"SDLK_F8", SDLK_F8},
        {"SDLK_F9", SDLK_F9},
        {"SDLK_F10", SDLK_F10},
        {"SDLK_F11", SDLK_F11},
        {"SDLK_F12", SDLK_F12},
        {"SDLK_F13", SDLK_F13},
        {"SDLK_F14", SDLK_F14},
        {"SDLK_F15", SDLK_F15},
        {"SDLK_NUMLOCK", SDLK_NUMLOCK},
        {"SDLK_CAPSLOCK", SDLK_CAPSLOCK},
        {"SDLK_SCROLLOCK", SDLK_SCROLLOCK},
        {"SDLK_RSHIFT", SDLK_RSHIFT},
        {"SDLK_LSHIFT", SDLK_LSHIFT},
        {"SDLK_RCTRL", SDLK_RCTRL},
        {"SDLK_LCTRL", SDLK_LCTRL},
        {"SDLK_RALT", SDLK_RALT},
        {"SDLK_LALT", SDLK_LALT},
        {"SDLK_RMETA", SDLK_RMETA},
        {"SDLK_LMETA", SDLK_LMETA},
        {"SDLK_LSUPER", SDLK_LSUPER},
        {"SDLK_RSUPER", SDLK_RSUPER},
        {"SDLK_MODE", SDLK_MODE},
        {"SDLK_COMPOSE", SDLK_COMPOSE},
        {"SDLK_HELP", SDLK_HELP},
        {"SDLK_PRINT", SDLK_PRINT},
        {"SDLK_SYSREQ", SDLK_SYSREQ},
        {"SDLK_BREAK", SDLK_BREAK},
        {"SDLK_MENU", SDLK_MENU},
        {"SDLK_POWER", SDLK_POWER},
        {"SDLK_EURO", SDLK_EURO},
        {"SDLK_UNDO", SDLK_UNDO}};
    static_assert(sizeof keys / sizeof keys[0] == 137, "one constant a key symbol");
    bg::registerConstants(L, keys);
}

// Events are read here: a request to quit (or to reload, in development)
// ends the game between frames.
int EventManagerBinding::update(lua_State* L) {
    expectArgs(L, 0);
    object().update();
    if (gFrameHooks.afterEvents) gFrameHooks.afterEvents(L);
    return 0;
}

using E = EventManager;
const Method<EventManagerBinding> EventManagerBinding::methods[] = {
    {"update", method<&EventManagerBinding::update>},
    {"reset", call<&E::reset>},
    {"getScreenSize", get<&E::getScreenWidth, &E::getScreenHeight>},
    {"getMousePosition", get<&E::getMouseX, &E::getMouseY>},
    {"getMouseDeltaS", get<&E::getDeltaX, &E::getDeltaY>},
    {"getMouseSpeed", call<&E::getMouseSpeed>},
    {"setMouseSpeed", call<&E::setMouseSpeed>},
    {"leftClick", call<&E::leftClick>},
    {"rightClick", call<&E::rightClick>},
    {"leftDown", call<&E::leftDown>},
    {"rightDown", call<&E::rightDown>},
    {"isKeyPressed", call<&E::isKeyPressed>},
    {nullptr, nullptr}};

void registerEventManagerClass(lua_State* L) { ScriptBinding<EventManagerBinding>::registerClass(L); }

} // namespace bg
