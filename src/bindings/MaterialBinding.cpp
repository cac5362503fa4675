#include "bindings/MaterialBinding.h"

namespace bg {

namespace {

Material argSeventeen(lua_State* L) {
    float values[Material::SIZE];
    for (int i = 0; i < Material::SIZE; ++i) values[i] = argFloat(L, i + 1);
    return Material(values);
}

} // namespace

Material* MaterialBinding::construct(lua_State* L) {
    const int count = argCount(L);
    if (count != 0 && count != Material::SIZE) wrongArgs(L);
    return make<Material>(L, count == Material::SIZE ? argSeventeen(L) : Material());
}

int MaterialBinding::set(lua_State* L) {
    expectArgs(L, Material::SIZE);
    object() = argSeventeen(L);
    return 0;
}

const Method<MaterialBinding> MaterialBinding::methods[] = {
    {"set", method<&MaterialBinding::set>},
    {"get", call<&Material::getAll>},
    {"setAmbient", call<&Material::setAmbient>},
    {"setDiffuse", call<&Material::setDiffuse>},
    {"setSpecular", call<&Material::setSpecular>},
    {"setEmission", call<&Material::setEmission>},
    {"getAmbient", call<&Material::getAmbient>},
    {"getDiffuse", call<&Material::getDiffuse>},
    {"getSpecular", call<&Material::getSpecular>},
    {"getEmission", call<&Material::getEmission>},
    {"setShininess", call<&Material::setShininess>},
    {"getShininess", call<&Material::getShininess>},
    {"setOpacity", call<&Material::setOpacity>},
    {"getOpacity", call<&Material::getOpacity>},
    {"add", call<&Material::add>},
    {"mul", call<&Material::mul>},
    {"use", call<&Material::use>},
    {nullptr, nullptr}};

} // namespace bg
