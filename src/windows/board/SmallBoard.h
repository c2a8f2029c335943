// SPDX-License-Identifier: GPL-3.0-or-later
// A board in small, for the results and a solved board: the cubes' letters on orange, the
// chosen word's cubes on green with its path drawn over them. It is painted at whatever
// size it is given, square and sharp at any pixel density.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class SmallBoard : public QWidget {
    Q_OBJECT
public:
    explicit SmallBoard(QWidget* parent = nullptr);

    // The letters of the 16 cubes, row by row ("Qu" for the Qu cube).
    void setFaces(const std::array<QString, 16>& faces);
    // The chosen word's cubes in order (4 * row + column); empty for none.
    void setPath(const std::vector<int>& path);
    const std::array<QString, 16>& faces() const { return m_faces; }
    const std::vector<int>& path() const { return m_path; }

    QSize sizeHint() const override { return {160, 160}; }
    QSize minimumSizeHint() const override { return {120, 120}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QString, 16> m_faces;
    std::vector<int> m_path;
};
