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
    QMenu* File = nullptr;
    QAction* Clear = nullptr;
    QAction* Merge = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Exit = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    App& m_app;
};
