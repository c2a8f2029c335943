// Any board, any word, repeat letters on or off: the path search ends quickly and
// agrees, in its answer and in every mark it leaves, with the plain recursive search.
#include "board/CheckCubes.h"

#include <cstdlib>
#include <string>

namespace {

using CheckCubes::Marks;

// The plain search with a step budget: beyond it the comparison is skipped (the plain
// search is the slow one; the game's search must still finish within the time limit).
struct PlainSearch {
    const Dice::Grid& grid;
    Marks& used;
    bool repeat;
    long budget = 200'000;

    static std::string Head(const std::string& piece)
    {
        if (piece.rfind("qu", 0) == 0 || piece == "q")
            return "qu";
        return piece.substr(0, 1);
    }
    static bool Finished(const std::string& piece) { return piece.size() == 1 || piece == "qu"; }

    bool wordOnBoard(const std::string& word)
    {
        if (word.empty()) {
            used = Marks{};
            return true;
        }
        const std::string h = Head(word);
        const std::string rest = word.substr(std::min(h.size(), word.size()));
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column) {
                if (grid[row][column] != h)
                    continue;
                used = Marks{};
                used[row][column] = true;
                if (Finished(word) || findPathFrom(row, column, rest))
                    return true;
            }
        return false;
    }

    bool findPathFrom(int row, int column, const std::string& piece)
    {
        const std::string h = Head(piece);
        const std::string rest = piece.substr(std::min(h.size(), piece.size()));
        for (int r = std::max(row - 1, 0); r <= std::min(row + 1, 3); ++r)
            for (int c = std::max(column - 1, 0); c <= std::min(column + 1, 3); ++c) {
                if (--budget < 0)
                    return false;
                if (used[r][c] && !repeat)
                    continue;
                if (grid[r][c] != h)
                    continue;
                if (Finished(piece)) {
                    used[r][c] = true;
                    return true;
                }
                used[r][c] = true;
                if (findPathFrom(r, c, rest)) {
                    used[r][c] = true;
                    return true;
                }
                used[r][c] = false;
            }
        return false;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size < 19)
        return 0;
    const bool repeat = data[0] & 1;
    const bool rawWord = data[0] & 2;
    // Few distinct letters make the hard boards: the low bits pick from a small alphabet.
    const int alphabet = 2 + (data[0] >> 2) % 25;
    BoardState board;
    std::string text;
    for (int k = 0; k < 16; ++k)
        text += static_cast<char>('A' + data[1 + k] % alphabet);
    Dice::PlaceBoard(text, board.BoardFaces, board.BoardGrid);
    Marks start{};
    const unsigned marks = data[17] | (data[18] << 8);
    for (int k = 0; k < 16; ++k)
        start[k / 4][k % 4] = (marks >> k) & 1;

    std::string word;
    for (std::size_t i = 19; i < size && word.size() < 40; ++i)
        word += rawWord ? static_cast<char>(data[i]) : static_cast<char>('a' + data[i] % alphabet);

    board.UsedCubes = start;
    const bool found = CheckCubes::WordOnBoard(board, repeat, word);

    Marks plainMarks = start;
    PlainSearch plain{board.BoardGrid, plainMarks, repeat};
    const bool expected = plain.wordOnBoard(word);
    if (plain.budget < 0)
        return 0;
    if (found != expected || board.UsedCubes != plainMarks)
        std::abort();
    return 0;
}
