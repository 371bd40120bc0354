// The keys page of the help for the keys as bound, labelled as the layout in
// use prints them. The game's own keys on a US keyboard read exactly as the
// page always did: the cursor keys as "Cursors", the keypad's digits under
// a "NumLock" heading.
#pragma once

#include "present/keys_page_texts.h"
#include "shell/key_bindings.h"
#include "shell/key_labels.h"

namespace coilrun {

KeysPageTexts KeysHelpTexts(const KeyBindings& bindings, const KeyLabels& labels);

}  // namespace coilrun
