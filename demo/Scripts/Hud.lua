-- The overlay: the title in the large font, the frame rate and the keys in
-- the small one. Overlay units are pixels of an 800 x 600 screen, y up.

Hud = {}

local scene, fonts, time = getScene(), getFontManager(), getTime()

function Hud.load()
    Hud.small = fonts:load("Fonts/Font.txt")
    Hud.large = fonts:load("Fonts/Font3.txt")
    Hud.width = getVarManager():getNumber("GL_ORTHO_RESOLUTION_X")
    Hud.height = getVarManager():getNumber("GL_ORTHO_RESOLUTION_Y")
end

function Hud.draw(lampOn)
    scene:glBegin2D()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    fonts:setCurrentFontId(Hud.large)
    fonts:print(20, Hud.height - 12, "Brawlgear", 1, 0.85, 0.3, 1)
    fonts:setCurrentFontId(Hud.small)
    fonts:print(20, Hud.height - 52, string.format("%d fps", time:getFPSMid()), 1, 1, 1, 1)
    local help = "mouse: look   arrows: move   L: lamp " .. (lampOn and "off" or "on") .. "   Esc: quit"
    fonts:print(Hud.width - 20 - fonts:getStringWidth(help), 30, help, 0.8, 0.9, 1, 1)
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:glEnd2D()
end
