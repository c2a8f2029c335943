// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tr.h"

#include <QTranslator>

namespace core {

QString TrN(const char* context, const char* text, const char* disambiguation, int n)
{
    const QString untranslated =
        QString::fromUtf8(text).replace(QLatin1String("%n"), QString::number(n));
    const QString loaded = QCoreApplication::translate(context, text, disambiguation, n);
    if (loaded != untranslated)
        return loaded;
    // English's singulars live in the embedded English plural file; it is read once.
    static const QTranslator* const english = [] {
        auto* t = new QTranslator;
        (void)t->load(QStringLiteral(":/i18n/lettro_en.qm"));
        return t;
    }();
    const QString own = english->translate(context, text, disambiguation, n);
    return own.isEmpty() ? untranslated
                         : QString(own).replace(QLatin1String("%n"), QString::number(n));
}

} // namespace core
