#include "bindings/FileBinding.h"
#include "graphics/Texture.h"
#include "script/Binding.h"

namespace bg {

// "TextureManager": textures by id, in groups, reached with
// getTextureManager(); PERMANENT_TEXTURES and TEMPORARY_TEXTURES are
// registered with it.
class TextureManagerBinding : public SingletonBinding<TextureManagerBinding, TextureManager, gTextureManager> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "TextureManager";
    static constexpr const char* accessorName = "getTextureManager";
    static const Method<TextureManagerBinding> methods[];
    static void registerConstants(lua_State* L);

    int load(lua_State* L);
    int loadFromMem(lua_State* L);
};

void TextureManagerBinding::registerConstants(lua_State* L) {
    const Constant constants[] = {{"PERMANENT_TEXTURES", TextureManager::PERMANENT_TEXTURES},
                                  {"TEMPORARY_TEXTURES", TextureManager::TEMPORARY_TEXTURES}};
    bg::registerConstants(L, constants);
}

namespace {

// The optional mipmaps (true) and replaceId (-1) after the first argument.
void argOptions(lua_State* L, bool& mipmaps, int& replaceId) {
    const int count = argCount(L);
    if (count < 1 || count > 3) wrongArgs(L);
    mipmaps = count < 2 || argBool(L, 2);
    replaceId = count < 3 ? -1 : argInt(L, 3);
}

} // namespace

int TextureManagerBinding::load(lua_State* L) {
    bool mipmaps;
    int replaceId;
    argOptions(L, mipmaps, replaceId);
    const FixedString name = argString(L, 1);
    lua_pushnumber(L, object().load(name.c_str(), mipmaps, replaceId));
    return 1;
}

int TextureManagerBinding::loadFromMem(lua_State* L) {
    bool mipmaps;
    int replaceId;
    argOptions(L, mipmaps, replaceId);
    const File& file = ScriptBinding<FileBinding>::get(L, 1);
    lua_pushnumber(L, object().loadFromMem(file, mipmaps, replaceId));
    return 1;
}

using TM = TextureManager;
const Method<TextureManagerBinding> TextureManagerBinding::methods[] = {
    {"load", method<&TextureManagerBinding::load>},
    {"loadFromMem", method<&TextureManagerBinding::loadFromMem>},
    {"bind", call<&TM::bind>},
    {"removeId", call<&TM::removeId>},
    {"free", call<&TM::free>},
    {"setCurrentGroup", call<&TM::setCurrentGroup>},
    {"getCurrentGroup", call<&TM::getCurrentGroup>},
    {"end", call<&TM::end>},
    {"restart", call<&TM::restart>},
    {nullptr, nullptr}};

void registerTextureManagerClass(lua_State* L) { ScriptBinding<TextureManagerBinding>::registerClass(L); }

} // namespace bg
