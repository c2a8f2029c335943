// SPDX-License-Identifier: GPL-3.0-or-later
// The small window that shows a word-file merge: a caption and a bar, and the timer
// that steps the merge.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;
class Runner;
struct Program;

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    ProgressWindow(Program& program, Runner& runner, QWidget* parent = nullptr);

    // Shown, its bar at the merge's percentage and its timer stepping the merge, while
    // the core merges a word file; hidden once it is done.
    void sync();
    // Leaving: no more steps.
    void stop();

protected:
    // A running merge cannot be interrupted half-way: the window stays until it is done.
    void closeEvent(QCloseEvent* event) override;

private:
    // The bar at `percent` of its full width, drawn at once.
    void showPercent(int percent);

    Program& m_program;
    Runner& m_runner;
    QLabel* ProgressLabel = nullptr;
    QFrame* ProgressIndicator = nullptr; // its width shows the percentage
    QTimer* DictionaryTimer = nullptr;   // 10 ms, one step per shot while a merge runs
    // The bar's full width, taken from the bar at the first merge of the run and kept,
    // since the bar itself is left narrowed after every merge.
    int m_fullIndicatorWidth = 0;
};
