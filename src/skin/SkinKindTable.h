#pragma once

#include "skin/TbsDataSkinControl.h"
#include "skin/TbsDataSkinObject.h"

#include <memory>

// The kind words of the two object lists and the classes they create, with every key at its
// default. Words compare exactly; an unknown word creates nothing.
class SkinKindTable {
public:
    static std::unique_ptr<TbsDataSkinControl> CreateControl(const QString& kindWord, const QString& name);
    static std::unique_ptr<TbsDataSkinObject> CreateObject(const QString& kindWord, const QString& name);
};
