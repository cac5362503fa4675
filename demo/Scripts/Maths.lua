-- Helpers shared by the demo's scripts, loaded with loadModule.

function degrees(radians)
    return radians * 180 / math.pi
end
