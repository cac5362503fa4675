#include "script/EventManagerBinding.h"

#include <SDL.h>

namespace bg {

void EventManagerBinding::registerGlobals(lua_State* L) {
    SingletonBinding::registerGlobals(L);
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
    registerConstants(L, keys);
}

int EventManagerBinding::update(lua_State* L) {
    expectArgs(L, 0, ":update");
    object().update();
    return 0;
}

int EventManagerBinding::reset(lua_State* L) {
    expectArgs(L, 0, ":reset");
    object().reset();
    return 0;
}

int EventManagerBinding::getScreenSize(lua_State* L) {
    expectArgs(L, 0, ":getScreenSize");
    lua_pushnumber(L, object().getScreenWidth());
    lua_pushnumber(L, object().getScreenHeight());
    return 2;
}

int EventManagerBinding::getMousePosition(lua_State* L) {
    expectArgs(L, 0, ":getMousePosition");
    lua_pushnumber(L, object().getMouseX());
    lua_pushnumber(L, object().getMouseY());
    return 2;
}

int EventManagerBinding::getMouseDeltaS(lua_State* L) {
    expectArgs(L, 0, ":getMouseDeltaS");
    lua_pushnumber(L, object().getDeltaX());
    lua_pushnumber(L, object().getDeltaY());
    return 2;
}

int EventManagerBinding::getMouseSpeed(lua_State* L) {
    expectArgs(L, 0, ":getMouseSpeed");
    lua_pushnumber(L, object().getMouseSpeed());
    return 1;
}

int EventManagerBinding::setMouseSpeed(lua_State* L) {
    expectArgs(L, 1, ":setMouseSpeed");
    object().setMouseSpeed(argFloat(L, 1));
    return 0;
}

int EventManagerBinding::leftClick(lua_State* L) {
    expectArgs(L, 0, ":leftClick");
    lua_pushboolean(L, object().leftClick());
    return 1;
}

int EventManagerBinding::rightClick(lua_State* L) {
    expectArgs(L, 0, ":rightClick");
    lua_pushboolean(L, object().rightClick());
    return 1;
}

int EventManagerBinding::leftDown(lua_State* L) {
    expectArgs(L, 0, ":leftDown");
    lua_pushboolean(L, object().leftDown());
    return 1;
}

int EventManagerBinding::rightDown(lua_State* L) {
    expectArgs(L, 0, ":rightDown");
    lua_pushboolean(L, object().rightDown());
    return 1;
}

int EventManagerBinding::isKeyPressed(lua_State* L) {
    expectArgs(L, 1, ":isKeyPressed");
    lua_pushboolean(L, object().isKeyPressed(argInt(L, 1)));
    return 1;
}

const Method<EventManagerBinding> EventManagerBinding::methods[] = {
    {"update", &EventManagerBinding::update},
    {"reset", &EventManagerBinding::reset},
    {"getScreenSize", &EventManagerBinding::getScreenSize},
    {"getMousePosition", &EventManagerBinding::getMousePosition},
    {"getMouseDeltaS", &EventManagerBinding::getMouseDeltaS},
    {"getMouseSpeed", &EventManagerBinding::getMouseSpeed},
    {"setMouseSpeed", &EventManagerBinding::setMouseSpeed},
    {"leftClick", &EventManagerBinding::leftClick},
    {"rightClick", &EventManagerBinding::rightClick},
    {"leftDown", &EventManagerBinding::leftDown},
    {"rightDown", &EventManagerBinding::rightDown},
    {"isKeyPressed", &EventManagerBinding::isKeyPressed},
    {nullptr, nullptr}};

} // namespace bg
