// SPDX-License-Identifier: GPL-3.0-or-later
// The options window: every option of the game on one modal dialog.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
struct App;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(App& app, QWidget* parent);

    QComboBox* GameTypeCombo = nullptr;
    QComboBox* GameModeCombo = nullptr;
    QComboBox* TimeCombo = nullptr;
    QComboBox* MinWordSizeCombo = nullptr;
    QComboBox* WordSizeCombo = nullptr;
    QComboBox* NumWordsCombo = nullptr;
    QComboBox* ComputerOpponentsCombo = nullptr; // "None", 1 to 3: single-player games
    QComboBox* ComputerStrengthCombo = nullptr;
    QCheckBox* SoundsOption = nullptr;
    QCheckBox* ShowUnusedWordsOption = nullptr;
    QCheckBox* RepeatLettersOption = nullptr;
    QCheckBox* LeftHandDisplay = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* TimeLabel = nullptr;
    QLabel* MinWordSizeLabel = nullptr;
    QLabel* WordSizeLabel = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* ComputerOpponentsLabel = nullptr;
    QLabel* ComputerStrengthLabel = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    // Closing by the frame or Escape counts as Cancel.
    void reject() override;

private:
    App& m_app;
};
