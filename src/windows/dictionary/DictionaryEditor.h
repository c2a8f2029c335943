// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary editor window: browse the dictionary by its first two letters, add and
// remove words, and the File menu. Every event goes straight to a Dictionary procedure.
#pragma once

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
struct App;

class DictionaryEditor : public QMainWindow {
    Q_OBJECT
public:
    explicit DictionaryEditor(App& app, QWidget* parent = nullptr);
    ~DictionaryEditor() override;

    QComboBox* StartingLetters = nullptr;
    QListWidget* WordList = nullptr;
    QLabel* WordCount = nullptr;
    QLineEdit* NewWord = nullptr;
    QPushButton* Add = nullptr;
    QPushButton* Remove = nullptr;
    QLineEdit* FindWord = nullptr; // the search box
    QMenu* File = nullptr;
    QAction* Clear = nullptr;
    QAction* Merge = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Exit = nullptr;

    // The core's Listing count the lists were last filled for.
    int ShownListing = -1;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString wordFileFolder() const;

    App& m_app;
};
