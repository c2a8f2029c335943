// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary editor's window procedures: each asks the core (Dictionary, in
// core/dictionary/EditorRules.h) and shows the state it leaves.
#pragma once

struct App;

namespace Dictionary {

// The main window's Dictionary button: the editor, modal over the disabled main window.
// Nothing happens during a network game.
void OpenDictionaryEditor(App& app);
// The editor's lists and count as the core has them.
void ShowEditorState(App& app);
// A merge the core started or stepped: the progress window while it runs, the editor
// again when it is done.
void ShowMergeState(App& app);
// Exit, or closing the editor: the main window is given back.
void CloseDictionaryEditor(App& app);

} // namespace Dictionary
