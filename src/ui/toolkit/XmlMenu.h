#pragma once

#include <QByteArray>

#include <functional>

class QMenu;
class QWidget;

namespace kb {

// Menus of the resource folder. A classic menu has the root element "menu" with "item"
// (attribute "id", text as content or attribute "text"), "sep" and nested "menu"
// (attribute "text") children; an extended menu has the root "menuRoot" (or a single
// "menuItem") with "menuItem" children, which hold their own sub-items.
enum class MenuKind { Classic = 0, Extended = 1, None = 2 };

MenuKind menuKindOf(const QByteArray& xml);

// Builds the menu; a chosen item calls onCommand with its id. Texts go through the
// application's translator (context "menu"). nullptr for MenuKind::None.
QMenu* buildMenu(const QByteArray& xml, QWidget* parent, std::function<void(int)> onCommand);

}  // namespace kb
