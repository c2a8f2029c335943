// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedDesktop.h"

#include <gtest/gtest.h>

QString ScriptedDesktop::fileName(const ui::FileDialog& dialog, const char* kind)
{
    fileDialogs.push_back(dialog);
    if (fileNames.empty()) {
        ADD_FAILURE() << "unexpected " << kind << " dialog";
        return {};
    }
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}
