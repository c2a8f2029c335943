#include "CheckCubes.h"

#include <algorithm>
#include <cstddef>

namespace CheckCubes {

namespace {

// The text of the first cube a word piece needs: "qu" for the Qu cube, else one letter.
std::string Head(const std::string& piece)
{
    if (piece == "q" || piece.starts_with("qu"))
        return "qu";
    return piece.substr(0, 1);
}

// The piece after its first cube; a lone "q" ends on the Qu cube, leaving nothing.
std::string AfterHead(const std::string& piece, const std::string& head)
{
    return piece.size() > head.size() ? piece.substr(head.size()) : std::string();
}

// Whether one cube finishes the piece.
bool IsLastCube(const std::string& piece)
{
    return piece.size() == 1 || piece == "qu";
}

bool& Used(BoardState& board, int row, int column)
{
    return board.UsedCubes[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

const std::string& Cube(const BoardState& board, int row, int column)
{
    return board.BoardGrid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

// Depth-first from the cube (row, column), already on the path: places `piece` on its
// neighbours, top row first, left to right.
bool FindPathFrom(BoardState& board, bool repeatLetters, int row, int column,
                  const std::string& piece)
{
    const std::string head = Head(piece);
    const std::string remainder = AfterHead(piece, head);
    for (int r = std::max(row - 1, 0); r <= std::min(row + 1, 3); ++r) {
        for (int c = std::max(column - 1, 0); c <= std::min(column + 1, 3); ++c) {
            if (Used(board, r, c) && !repeatLetters)
                continue;
            if (Cube(board, r, c) != head)
                continue;
            Used(board, r, c) = true;
            if (IsLastCube(piece))
                return true;
            if (FindPathFrom(board, repeatLetters, r, c, remainder)) {
                Used(board, r, c) = true;
                return true;
            }
            Used(board, r, c) = false;
        }
    }
    return false;
}

} // namespace

void ClearUsedCubes(BoardState& board)
{
    for (auto& row : board.UsedCubes)
        row.fill(false);
}

bool WordOnBoard(BoardState& board, bool repeatLetters, const std::string& word)
{
    if (word.empty()) {
        ClearUsedCubes(board);
        return true;
    }
    const std::string head = Head(word);
    const std::string rest = AfterHead(word, head);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            if (Cube(board, row, column) != head)
                continue;
            ClearUsedCubes(board);
            Used(board, row, column) = true;
            if (IsLastCube(word))
                return true;
            if (FindPathFrom(board, repeatLetters, row, column, rest))
                return true;
        }
    }
    return false;
}

} // namespace CheckCubes
