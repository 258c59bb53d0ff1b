#pragma once
// Alt mnemonics for a menu bar whose captions come from the string table: each caption
// keeps its text and gains one '&' before a letter no other item of its menu uses, so the
// same code serves every language without clashes.
class QMenuBar;

namespace tessaron {

// Gives every menu title of the bar, and every item of each menu and submenu, its mnemonic.
// Called again after a language switch; mnemonics given before are replaced.
void AssignMnemonics(QMenuBar* bar);

} // namespace tessaron
