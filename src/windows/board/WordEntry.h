// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's word entry: each event goes to the core's word entry
// (core/board/WordEntry.h), then the window shows the new state.
#pragma once

#include "core/board/WordEntry.h"

struct App;

namespace WordEntry {

void NewWordChanged(App& app, const QString& text);
void EnterWord(App& app);
void RemoveLastLetter(App& app);
void RecallListedWord(App& app, int row);
void CubeClicked(App& app, int i);

} // namespace WordEntry
