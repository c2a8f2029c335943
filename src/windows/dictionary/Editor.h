// The dictionary editor's procedures: the editor and progress windows call these and
// nothing else decides.
#pragma once

struct App;

namespace Dictionary {

// The main window's Dictionary button: the editor, modal over the disabled main window.
// Nothing happens during a network game.
void OpenDictionaryEditor(App& app);

// Refills the two-letter starts. Unless `reset`, the selected start stays selected
// when it still has words; otherwise the first start is selected.
void FillStartingLetters(App& app, bool reset);

// The word count of the whole dictionary and the words of the selected start.
void ListWords(App& app);

// Add button: the typed word, lower-cased, 3 to 16 letters a-z.
void AddEditorWord(App& app);
// Remove button: the selected word of the list.
void RemoveEditorWord(App& app);
// File menu.
void ClearDictionary(App& app);
void MergeWordFile(App& app);
void SaveWordFile(App& app);
// One step of a running merge; each tick of the progress window's DictionaryTimer.
void MergeStep(App& app);
// Exit, or closing the editor: the main window is given back.
void CloseDictionaryEditor(App& app);

} // namespace Dictionary
