// The word box, the Enter/Last and Clear buttons and the word list.
#pragma once

struct App;

namespace WordEntry {

// "Last" when the box is empty and a word has been entered, otherwise "Enter".
void UpdateEnterCaption(App& app);

} // namespace WordEntry
