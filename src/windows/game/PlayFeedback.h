// SPDX-License-Identifier: GPL-3.0-or-later
// What lets a game be followed without sound, beside the main window's own labels: the
// word box flashes at every refusal, the clock sits on a panel it can be read on, a
// Frantic bonus shows beside it, and the turn and the score so far are shown.
#pragma once

#include <QObject>

class MainWindow;
class QLabel;
class QVariantAnimation;
struct Program;

class PlayFeedback : public QObject {
public:
    explicit PlayFeedback(MainWindow& window);
    // Shows the core's state; a refusal since the last call starts a flash.
    void sync(const Program& program);

    QLabel* Turn = nullptr;  // on the clock's panel, left: "Player 1"
    QLabel* Bonus = nullptr; // on the clock's panel, right: "+4 s"
    QLabel* Score = nullptr; // under "N words entered": "Score so far: ..."

private:
    MainWindow& m_window;
    QVariantAnimation* m_flash = nullptr;
    int m_refusals = 0;
};
