#pragma once

#include "commands/CommandId.h"
#include "commands/MenuResources.h"

// The few words the menu resources are written in.
namespace MenuBuilders {

using C = CommandId;

// An item with its command's menu text, or with this menu's own text.
inline MenuItemDef Cmd(CommandId id, const char* text = "")
{
    return {MenuItemDef::Kind::Command, ToInt(id), QString::fromUtf8(text), {}};
}

inline MenuItemDef Sep()
{
    return {MenuItemDef::Kind::Separator, 0, {}, {}};
}

inline MenuItemDef Sub(const char* text, QList<MenuItemDef> items)
{
    return {MenuItemDef::Kind::Submenu, 0, QString::fromUtf8(text), std::move(items)};
}

} // namespace MenuBuilders
