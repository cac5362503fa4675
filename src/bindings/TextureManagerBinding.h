#ifndef BRAWLGEAR_BINDINGS_TEXTUREMANAGERBINDING_H
#define BRAWLGEAR_BINDINGS_TEXTUREMANAGERBINDING_H

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

} // namespace bg

#endif
