#include "editor/views/MenuMarks.h"

void MarkMenuRadio(HMENU menu, UINT first, UINT last, UINT chosen) {
    CheckMenuRadioItem(menu, first, last, chosen, MF_BYCOMMAND);
}

void CheckMenuCommand(HMENU menu, UINT command, bool checked) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void EnableMenuCommand(HMENU menu, UINT command, bool enabled) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}
