// SPDX-License-Identifier: GPL-3.0-or-later
// The real desktop behind ui::Desktop.
#include "Desktop.h"

#include "windows/ui/WarningSound.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

namespace ui {

struct QtDesktop::Sound {
    WarningSound warning;
};

QtDesktop::QtDesktop() : m_sound(new Sound) {}

QtDesktop::~QtDesktop()
{
    delete m_sound;
}

void FillMessageBox(QMessageBox& box, const Prompt& prompt)
{
    box.setWindowTitle(prompt.title);
    box.setText(prompt.text);
    box.setDetailedText(prompt.details);
    if (prompt.buttons == Buttons::YesNo) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(prompt.defaultNo ? QMessageBox::No : QMessageBox::Yes);
    } else {
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
    }
}

Answer QtDesktop::ask(QWidget* parent, const Prompt& prompt)
{
    QMessageBox box(parent);
    FillMessageBox(box, prompt);
    const int pressed = box.exec();
    if (prompt.buttons == Buttons::YesNo)
        return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

void QtDesktop::warningSound()
{
    m_sound->warning.play();
}

std::optional<QString> QtDesktop::askText(QWidget* parent, const Prompt& prompt,
                                          const QString& initial)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(prompt.title);
    dialog.setLabelText(prompt.text);
    dialog.setTextValue(initial);
    // A window manager shortens a title wider than the window ("New Hi... Score"): room
    // for it, in a title bar's larger bold font, beside the title bar's buttons.
    QFont title = dialog.font();
    title.setBold(true);
    // The dialog sizes itself by its layout, so the width goes to the box inside it.
    const int wide = QFontMetrics(title).horizontalAdvance(prompt.title) * 5 / 4 + 140;
    if (auto* box = dialog.findChild<QLineEdit*>())
        box->setMinimumWidth(wide);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

bool QtDesktop::isForeground(const QWidget* window)
{
    return window && QApplication::activeWindow() == window;
}

QString QtDesktop::openFileName(QWidget* parent, const FileDialog& dialog)
{
    QString selected = dialog.selectedFilter;
    return QFileDialog::getOpenFileName(parent, dialog.caption, dialog.folder, dialog.filter,
                                        &selected);
}

QString QtDesktop::saveFileName(QWidget* parent, const FileDialog& dialog)
{
    QFileDialog fd(parent, dialog.caption, dialog.folder, dialog.filter);
    fd.setAcceptMode(QFileDialog::AcceptSave);
    fd.setFileMode(QFileDialog::AnyFile);
    if (!dialog.selectedFilter.isEmpty())
        fd.selectNameFilter(dialog.selectedFilter);
    if (!dialog.defaultSuffix.isEmpty())
        fd.setDefaultSuffix(dialog.defaultSuffix);
    if (fd.exec() != QDialog::Accepted || fd.selectedFiles().isEmpty())
        return {};
    return fd.selectedFiles().constFirst();
}

void QtDesktop::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

} // namespace ui
