-- LÖVE's side of bench/vs-love: an 800 x 600 window without vertical sync.
function love.conf(t)
    t.identity = "brawlgear-vs-love"
    t.window.title = "vs-love"
    t.window.width = 800
    t.window.height = 600
    t.window.vsync = 0
    t.window.resizable = false
    t.window.highdpi = false
    t.modules.joystick = false
    t.modules.physics = false
    t.modules.video = false
end
