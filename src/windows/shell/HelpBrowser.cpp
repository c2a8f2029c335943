// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpBrowser.h"

#include "windows/shell/Help.h"
#include "windows/ui/Colours.h"

#include <QFileInfo>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextDocument>

QVariant HelpPageView::loadResource(int type, const QUrl& name)
{
    // A pipe or a device in place of a page would block the window for ever.
    const QUrl url = source().resolved(name);
    const QFileInfo file(url.toLocalFile());
    const bool refused = url.isLocalFile() && file.exists() && !file.isFile();
    QVariant resource = refused ? QVariant() : QTextBrowser::loadResource(type, name);
    if (resource.isValid() || type != QTextDocument::HtmlResource)
        return resource;
    return Shell::PageNotFoundHtml(name);
}

void HelpPageView::dropLinkFocus()
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return;
    const int left = horizontalScrollBar()->value(), top = verticalScrollBar()->value();
    cursor.clearSelection();
    setTextCursor(cursor); // scrolls to the cursor
    horizontalScrollBar()->setValue(left);
    verticalScrollBar()->setValue(top);
}

HelpBrowser::HelpBrowser(const Program& program, QWidget* parent)
    : QMainWindow(parent), m_program(program)
{
    setObjectName(QStringLiteral("HelpBrowser"));
    setWindowTitle(QStringLiteral("Lettro Help"));
    setAttribute(Qt::WA_DeleteOnClose);

    // The window's own menu bar holds the four commands directly, without a menu.
    Contents = menuBar()->addAction(tr("Contents"));
    Contents->setObjectName(QStringLiteral("Contents"));
    Back = menuBar()->addAction(tr("Back"));
    Back->setObjectName(QStringLiteral("Back"));
    Forward = menuBar()->addAction(tr("Forward"));
    Forward->setObjectName(QStringLiteral("Forward"));
    Exit = menuBar()->addAction(tr("Exit"));
    Exit->setObjectName(QStringLiteral("Exit"));
    Exit->setShortcut(QKeySequence(Qt::Key_Escape));

    // As the central widget the browser always fills the window's inner area.
    WebBrowser = new HelpPageView(this);
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    WebBrowser->setOpenExternalLinks(true);
    WebBrowser->document()->setDocumentMargin(12);
    Colours::PaintFixed(WebBrowser, Colours::kHelpPaper, Colours::kHelpText);
    // Links take their colour from the desktop's palette when the page is read, unless
    // the page's style says otherwise.
    WebBrowser->document()->setDefaultStyleSheet(
        QStringLiteral("a { color: %1; }").arg(Colours::kHelpLink.name()));
    setCentralWidget(WebBrowser);
    resize(720, 600);

    connect(Contents, &QAction::triggered, this, [this] { showContents(); });
    // QTextBrowser does nothing at either end of its history.
    connect(Back, &QAction::triggered, WebBrowser, &QTextBrowser::backward);
    connect(Forward, &QAction::triggered, WebBrowser, &QTextBrowser::forward);
    connect(Exit, &QAction::triggered, this, &QWidget::hide);
    connect(WebBrowser, &QTextBrowser::historyChanged, WebBrowser, &HelpPageView::dropLinkFocus);
}

void HelpBrowser::showContents()
{
    WebBrowser->setSource(Shell::HelpPageUrl(m_program));
}
