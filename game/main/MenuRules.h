// Rules behind the main window's menus.
#pragma once

// The ships moved into a naval group that is being formed in port (group field `group`, no port)
// go back to the port of `base`, whose ship count takes them back; the base table is saved.
// Returns the number of ships returned.
int returnFormingGroupToPort(int side, int group, int base);
