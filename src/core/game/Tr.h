// SPDX-License-Identifier: GPL-3.0-or-later
// The texts a person reads, in the interface language. The core has no QObject classes to
// hang tr() on, so its texts name their context; scripts/update-translations.sh tells
// lupdate that Tr, TrS and TrN are spellings of translate. Texts that travel or are stored
// stay English: mark them with QT_TRANSLATE_NOOP and translate where they are shown.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <string>

namespace core {

inline QString Tr(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

inline std::string TrS(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

// A counted text ("%n words entered") through the plural forms of the interface language;
// where no loaded translation has it, English's own forms, so "1 word entered" reads right
// with or without translations (and in programs that load none).
QString TrN(const char* context, const char* text, const char* disambiguation, int n);
// Counts are often sizes; no count the game shows comes near INT_MAX.
inline QString TrN(const char* context, const char* text, const char* disambiguation, std::size_t n)
{
    return TrN(context, text, disambiguation, static_cast<int>(n));
}

} // namespace core
