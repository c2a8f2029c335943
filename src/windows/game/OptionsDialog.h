// SPDX-License-Identifier: GPL-3.0-or-later
// The options window: every option of the game on one modal dialog.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class Runner;
struct Program;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Made filled with the core's values.
    OptionsDialog(Program& program, Runner& runner, QWidget* parent);
    // Shows the core's values, dropping choices a Cancel left unapplied.
    void sync();

protected:
    // Closing by the frame or Escape counts as Cancel.
    void reject() override;

private:
    // OK: the controls are read into the core's values; the dialog stays up after a No.
    void apply();
    void cancel();

    Program& m_program;
    Runner& m_runner;
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
    QCheckBox* ShowWhereWordCanGoOption = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* TimeLabel = nullptr;
    QLabel* MinWordSizeLabel = nullptr;
    QLabel* WordSizeLabel = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* ComputerOpponentsLabel = nullptr;
    QLabel* ComputerStrengthLabel = nullptr;
    QComboBox* BoardLanguageCombo = nullptr;
    QLabel* BoardLanguageLabel = nullptr;
    QComboBox* InterfaceLanguageCombo = nullptr;
    QLabel* InterfaceLanguageLabel = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
