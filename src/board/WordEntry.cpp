#include "WordEntry.h"

#include "game/App.h"
#include "game/MainWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace WordEntry {

void UpdateEnterCaption(App& app)
{
    MainWindow& w = *app.main;
    const QString caption = w.NewWord->text().isEmpty() && w.WordList->rowCount() > 0
                                ? QStringLiteral("Last")
                                : QStringLiteral("Enter");
    if (w.Enter->text() != caption)
        w.Enter->setText(caption);
}

} // namespace WordEntry
