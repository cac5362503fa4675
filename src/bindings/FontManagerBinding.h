#ifndef BRAWLGEAR_BINDINGS_FONTMANAGERBINDING_H
#define BRAWLGEAR_BINDINGS_FONTMANAGERBINDING_H

#include "graphics/Font.h"
#include "script/Binding.h"

namespace bg {

// "FontManager": bitmap fonts and text, reached with getFontManager().
class FontManagerBinding : public SingletonBinding<FontManagerBinding, FontManager, gFontManager> {
public:
    using SingletonBinding::SingletonBinding;
    static constexpr const char* className = "FontManager";
    static constexpr const char* accessorName = "getFontManager";
    static const Method<FontManagerBinding> methods[];

    int getStringHeight(lua_State* L);
    int getStringSize(lua_State* L);
    int print(lua_State* L);
};

} // namespace bg

#endif
