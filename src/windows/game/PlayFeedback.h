// SPDX-License-Identifier: GPL-3.0-or-later
// What lets a game be followed without sound, beside the main window's own labels: the
// word box stays red from a refusal to the next accepted key, the clock sits on a panel it can be read on, a
// Frantic bonus shows beside it, and the turn and the score so far are shown.
#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
struct Program;

class PlayFeedback : public QObject {
public:
    // Its labels go on the clock's panel `time`, and Score beside `words` (placed by the
    // window); `time` gets a panel of its own; `box` turns red at a refusal.
    PlayFeedback(QLabel* time, QLabel* words, QLineEdit* box, QObject* parent);
    // Shows the core's state.
    void sync(const Program& program);
    // "Score so far: ...", for the window to place under "N words entered".
    QLabel* scoreLabel() const { return Score; }

private:
    QLabel* Turn = nullptr;  // on the clock's panel, left: "Player 1"
    QLabel* Bonus = nullptr; // on the clock's panel, right: "+4 s"
    QLabel* Score = nullptr;
    QLabel* m_time;
    QLineEdit* m_box;
    bool m_refused = false;
};
