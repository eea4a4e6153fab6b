#pragma once

#include <QString>

#include <array>
#include <optional>

constexpr int ProblemSlotCount = 8;
constexpr int HighestFormulaNumber = 138;
constexpr bool isFormulaNumber(int number)
{
    return number >= 0 && number <= HighestFormulaNumber;
}

// One problem, as the teacher composes it, the file holds it and the pupil
// solves it: the text, the figure's bare file name (empty for none), eight
// data and eight steps, each step a formula of the catalogue (0..138, or none)
// and the result expected, with its unit. Texts are kept exactly as typed.
struct Problem {
    QString text;
    QString figureName;
    std::array<QString, ProblemSlotCount> data;
    std::array<std::optional<int>, ProblemSlotCount> formulas;
    std::array<QString, ProblemSlotCount> results;

    bool operator==(const Problem &other) const
    {
        return text == other.text && figureName == other.figureName && data == other.data &&
               formulas == other.formulas && results == other.results;
    }
};
