#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers include only downwards: engine <- core <- windows. Prints every include that
# reaches up a layer (or a widget header in the core) and fails when there is one.
set -u
cd "$(dirname "$0")/../src" || exit 2
bad=$(
    grep -rnE '#include +"(core|windows)/' engine
    grep -rnE '#include +"windows/' core
    grep -rnE '#include +<Q(Widget|Dialog|MainWindow|Label|PushButton|LineEdit|TableWidget|ListWidget|ComboBox|CheckBox|MessageBox|Application)>|#include +<QtWidgets' engine core
)
if [ -n "$bad" ]; then
    printf 'Includes that reach up a layer:\n%s\n' "$bad"
    exit 1
fi
echo "layers: engine <- core <- windows, nothing reaches up"
