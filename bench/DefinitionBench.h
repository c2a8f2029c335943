// SPDX-License-Identifier: GPL-3.0-or-later
// Definition lookups as the results window makes them.
#pragma once

#include "engine/Engine.h"

// Prints definition_first_lookup_ms (a new library's first lookup in a language, which
// maps its files; the worst language), definition_lookup_ms (the median over random words
// of every language, English ones from `english`), its 99th percentile and worst, and
// what the lookups added to the process's memory: definition_private_kb (its own) and
// definition_mapped_kb (pages of the data files, shared with the system's file cache,
// which can drop them).
void printDefinitionFigures(engine::Engine& english);
