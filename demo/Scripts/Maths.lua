-- Helpers shared by the demo's scripts, loaded with loadModule.

function degrees(r)
    return r * 180 / math.pi
end

function radians(d)
    return d * math.pi / 180
end
