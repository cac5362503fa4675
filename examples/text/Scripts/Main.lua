-- text: two fonts, and text placed by measuring it.
--
-- Fonts are bitmaps baked by brawlgear-font (here the build's two, 16 and
-- 28 pixels high). Text is printed in the 2D overlay, whose units are the
-- GL_ORTHO_RESOLUTION_X x _Y of Engine.cfg, y up, the glyph tops at y.
-- getStringWidth and getStringHeight measure it: the title is centred, the
-- paragraph wrapped to a column on a panel just big enough for it, and the
-- counter aligned right, so its last digit stays put as it grows.

local scene, events, fonts = getScene(), getEventManager(), getFontManager()
local vars = getVarManager()
local width, height = vars:getNumber("GL_ORTHO_RESOLUTION_X"), vars:getNumber("GL_ORTHO_RESOLUTION_Y")
local small, large = fonts:load("Fonts/Font.txt"), fonts:load("Fonts/Font3.txt")
local story = "Every line of this paragraph was measured with getStringWidth and broken "
              .. "before the word that would cross the edge of the panel."

-- The text cut into lines no wider than `limit` in the current font.
local function wrap(text, limit)
    local lines, line = {}, ""
    for word in string.gmatch(text, "%S+") do
        local longer = line == "" and word or line .. " " .. word
        if line ~= "" and fonts:getStringWidth(longer) > limit then
            table.insert(lines, line)
            longer = word
        end
        line = longer
    end
    table.insert(lines, line)
    return lines
end

local panel = Billboard(0.2, 0.25, 0.45, 1, -1, 1, 1) -- untextured: a plain rectangle
scene:setBackgroundColor(0.1, 0.12, 0.18, 1)

local frame = 0
while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    frame = frame + 1
    scene:clearBuffers()
    scene:glBegin2D()
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)

    fonts:setCurrentFontId(small)
    local lines = wrap(story, width - 60)
    local lineHeight = fonts:getStringHeight(story)
    local top = height - 60
    panel:setDimension(width - 40, #lines * lineHeight + 20)
    panel:display2D(width / 2, top + 10 - (#lines * lineHeight + 20) / 2, 0) -- centred on the point

    scene:set(GL_TEXTURE_2D, true) -- glyphs are textured
    for i, line in ipairs(lines) do
        fonts:print(30, top - (i - 1) * lineHeight, line, 1, 1, 1, 1)
    end
    local count = string.format("frame %d", frame)
    fonts:print(width - 20 - fonts:getStringWidth(count), 40, count, 0.5, 0.9, 1, 1)

    fonts:setCurrentFontId(large)
    local title = "Brawlgear"
    fonts:print((width - fonts:getStringWidth(title)) / 2, height - 12, title, 1, 0.85, 0.3, 1)

    scene:restore(GL_TEXTURE_2D)
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:glEnd2D()
    scene:display()
end
