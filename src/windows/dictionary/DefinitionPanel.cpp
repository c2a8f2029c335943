// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefinitionPanel.h"

#include "windows/ui/Desktop.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

namespace {
const QString kMore = QStringLiteral("lettro:more");
// How long the selection rests before its word is looked up.
constexpr int kRestMs = 60;
} // namespace

DefinitionPanel::DefinitionPanel(Definitions::Library& library, ui::Desktop& desktop,
                                 QWidget* parent)
    : QTextBrowser(parent), m_library(library), m_desktop(desktop)
{
    setObjectName(QStringLiteral("Definition"));
    // Links are ours to follow: "and N more" expands in place, Wiktionary opens in the
    // browser and only then; nothing is ever fetched for the panel itself.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setMinimumWidth(200);
    m_wait.setSingleShot(true);
    m_wait.setInterval(kRestMs);
    connect(&m_wait, &QTimer::timeout, this, &DefinitionPanel::lookUp);
    connect(this, &QTextBrowser::anchorClicked, this, &DefinitionPanel::linkClicked);
}

void DefinitionPanel::define(const QString& language, const QString& word)
{
    if (word == m_word && language == m_language)
        return;
    m_word = word;
    m_language = language;
    m_wait.stop();
    clear();
    if (!word.isEmpty())
        m_wait.start();
}

void DefinitionPanel::lookUp()
{
    m_definition = m_library.Define(m_language, {m_word});
    m_full = false;
    showDefinition();
}

// The same lines lettro-dict prints: headings in bold, numbered senses indented, "and N
// more" a link that shows them all; without a definition, the link to Wiktionary.
void DefinitionPanel::showDefinition()
{
    static const QRegularExpression sense(QStringLiteral("^\\d+\\. "));
    // "and N more" in the interface language: the same text the definition's lines hold.
    const QStringList moreParts = QCoreApplication::translate("Definitions", "and %1 more").split(QStringLiteral("%1"));
    const QRegularExpression more(QLatin1Char('^') + QRegularExpression::escape(moreParts.value(0)) + QStringLiteral("\\d+") +
                                  QRegularExpression::escape(moreParts.value(1)) + QLatin1Char('$'));
    const bool found = m_definition.outcome == Definitions::Outcome::Found;
    QString html;
    for (const QString& line : Definitions::DefinitionText(m_definition, m_full).split('\n')) {
        const QString text = line.toHtmlEscaped();
        if (!found)
            html += QStringLiteral("<p>%1</p>").arg(text);
        else if (sense.match(line).hasMatch())
            html += QStringLiteral("<p style=\"margin-left:12px\">%1</p>").arg(text);
        else if (more.match(line).hasMatch())
            html += QStringLiteral("<p style=\"margin-left:12px\"><a href=\"%1\">%2</a></p>")
                        .arg(kMore, text);
        else
            html += QStringLiteral("<p style=\"margin-top:8px\"><b>%1</b></p>").arg(text);
    }
    if (!found && !m_definition.link.isEmpty())
        html += QStringLiteral("<p><a href=\"%1\">%2</a></p>")
                    .arg(m_definition.link.toHtmlEscaped(),
                         tr("\u201c%1\u201d on Wiktionary").arg(m_word.toHtmlEscaped()));
    setHtml(html);
}

void DefinitionPanel::linkClicked(const QUrl& url)
{
    if (url.toString() == kMore) {
        m_full = true;
        showDefinition();
    } else if (url.scheme() == QLatin1String("https")) {
        m_desktop.openUrl(url);
    }
}
