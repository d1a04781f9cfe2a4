// The marks and greying of the main menu's items.
#ifndef LUMIGRID_EDITOR_MENUMARKS_H
#define LUMIGRID_EDITOR_MENUMARKS_H

#include <windows.h>

// The radio mark of the group first .. last on chosen.
void MarkMenuRadio(HMENU menu, UINT first, UINT last, UINT chosen);
// A check mark on the item, or none.
void CheckMenuCommand(HMENU menu, UINT command, bool checked);
// The item enabled, or greyed.
void EnableMenuCommand(HMENU menu, UINT command, bool enabled);

#endif
