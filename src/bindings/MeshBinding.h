#ifndef BRAWLGEAR_BINDINGS_MESHBINDING_H
#define BRAWLGEAR_BINDINGS_MESHBINDING_H

// The methods every mesh class shares (Quad, Cube, RoundedCube,
// CurvedMesh): one definition, one list; a class adds only its `new`.

#include "bindings/BoundingSphereBinding.h"
#include "bindings/MaterialBinding.h"
#include "bindings/MatrixBinding.h"
#include "bindings/PointBinding.h"
#include "bindings/VectorBinding.h"
#include "graphics/Mesh.h"
#include "script/Binding.h"

namespace bg {

template <class B, class T> class MeshBinding : public ValueBinding<B, T> {
public:
    using ValueBinding<B, T>::ValueBinding;

    int isVisible(lua_State* L) {
        expectArgs(L, 0);
        float distance = 0;
        lua_pushboolean(L, mesh().isVisible(distance));
        lua_pushnumber(L, distance);
        return 2;
    }
    // No argument: culled.
    int display(lua_State* L) {
        const int count = argCount(L);
        if (count > 1) wrongArgs(L);
        mesh().display(count == 0 || argBool(L, 1));
        return 0;
    }
    // A Matrix or sixteen numbers, then the normal mode.
    int transform(lua_State* L) {
        const int count = argCount(L);
        if (count != 2 && count != 17) wrongArgs(L);
        const Matrix m = count == 2 ? ScriptBinding<MatrixBinding>::get(L, 1) : argMatrixRows(L, 1);
        mesh().transform(m, argInt(L, count));
        return 0;
    }
    int rotate(lua_State* L) { return turn(L, false); }
    int selfRotate(lua_State* L) { return turn(L, true); }
    int setMaterial(lua_State* L) {
        expectArgs(L, Material::SIZE);
        float values[Material::SIZE];
        for (int i = 0; i < Material::SIZE; ++i) values[i] = argFloat(L, i + 1);
        mesh().setMaterial(Material(values));
        return 0;
    }
    int getBoundingSphere(lua_State* L) {
        expectArgs(L, 0);
        ScriptBinding<BoundingSphereBinding>::pushNew(L, mesh().getBoundingSphere());
        return 1;
    }

private:
    Mesh& mesh() const { return this->object(); }

    // An angle and an axis (a Vector or x, y, z), or three angles (a
    // Vector or three numbers).
    int turn(lua_State* L, bool self) {
        const int count = argCount(L);
        if (count == 2 || count == 4) {
            const float angle = argFloat(L, 1);
            Vector axis;
            argValueAt(L, 2, axis);
            self ? mesh().selfRotate(angle, axis) : mesh().rotate(angle, axis);
        } else {
            const Vector angles = argValue<Vector>(L);
            self ? mesh().selfRotate(angles) : mesh().rotate(angles);
        }
        return 0;
    }
};

template <class B> inline const Method<B> meshMethods[] = {
    {"isVisible", B::template method<&B::isVisible>},
    {"display", B::template method<&B::display>},
    {"transform", B::template method<&B::transform>},
    {"translate", B::template call<&Mesh::translate>},
    {"rotate", B::template method<&B::rotate>},
    {"scale", B::template call<&Mesh::scale>},
    {"shear", B::template call<&Mesh::shear>},
    {"selfRotate", B::template method<&B::selfRotate>},
    {"selfScale", B::template call<&Mesh::selfScale>},
    {"selfShear", B::template call<&Mesh::selfShear>},
    {"setPosition", B::template call<static_cast<void (Mesh::*)(const Point&)>(&Mesh::setPosition)>},
    {"getPosition", B::template call<&Mesh::getPosition>},
    {"setLODEnabled", B::template call<&Mesh::setLODEnabled>},
    {"isLODEnabled", B::template call<&Mesh::isLODEnabled>},
    {"setLODLevel", B::template call<&Mesh::setLODLevel>},
    {"getLODLevel", B::template call<&Mesh::getLODLevel>},
    {"setLevelLength", B::template call<&Mesh::setLevelLength>},
    {"getLevelLength", B::template call<&Mesh::getLevelLength>},
    {"setTextureId", B::template call<&Mesh::setTextureId>},
    {"getTextureId", B::template call<&Mesh::getTextureId>},
    {"setMaterial", B::template method<&B::setMaterial>},
    {"getMaterial", B::template call<&Mesh::getMaterial>},
    {"setNormalFlag", B::template call<&Mesh::setNormalFlag>},
    {"getNormalFlag", B::template call<&Mesh::getNormalFlag>},
    {"invertNormals", B::template call<&Mesh::invertNormals>},
    {"getBoundingSphere", B::template method<&B::getBoundingSphere>},
    {"setCounterclockwise", B::template call<&Mesh::setCounterclockwise>},
    {"getCounterclockwise", B::template call<&Mesh::getCounterclockwise>},
    {nullptr, nullptr}};

} // namespace bg

#endif
