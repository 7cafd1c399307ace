#include "Condition.h"

#include <array>
#include <utility>

namespace tarnwell {

namespace {

constexpr std::array<std::pair<Condition, QByteArrayView>, 11> kCellTexts{{
    {Condition::Contains, "Contains"},
    {Condition::ContainsWholeWord, "Contains (whole word)"},
    {Condition::Equals, "Equals"},
    {Condition::StartsWith, "Starts with"},
    {Condition::EndsWith, "Ends with"},
    {Condition::IsBlank, "Is blank"},
    {Condition::IsUppercase, "Is UPPERCASE"},
    {Condition::AllNumeric, "All numeric"},
    {Condition::HalfNumeric, "50% numeric"},
    {Condition::FirstCharNumeric, "First char numeric"},
    {Condition::ThreeSpaces, "Contains >= 3 spaces"},
}};

} // namespace

Condition conditionFromCell(QByteArrayView cellText)
{
    for (const auto &[condition, text] : kCellTexts) {
        if (text == cellText)
            return condition;
    }
    return Condition::None;
}

QByteArrayView conditionCellText(Condition condition)
{
    for (const auto &[c, text] : kCellTexts) {
        if (c == condition)
            return text;
    }
    return {};
}

} // namespace tarnwell
