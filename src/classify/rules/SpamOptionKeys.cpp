#include "SpamOptionKeys.h"

#include <array>

namespace tarnwell {

namespace {

using O = SpamOptions;

const std::array<SpamOptionKey, 28> kKeys{{
    {"Smaller", "QSmaller", &O::smallerOn},
    {"Smaller", "Num", &O::smallerLimit, false, false, 0, 100000},
    {"Smaller", "Check", &O::smallerDeletes},
    {"Larger", "QLarger", &O::largerOn},
    {"Larger", "Num", &O::largerLimit, false, false, 0, 99999999},
    {"Larger", "Check", &O::largerDeletes},
    {"Known", "QMonitor", &O::knownSpammers},
    {"Known", "Valid", &O::validDomains},
    // Named "Question", but yes means the check mark.
    {"Known", "Question", &O::unknownDeletes},
    {"Known", "Num", &O::unknownCount},
    {"Ascii", "QMonitor", &O::asciiOn},
    // Here yes really means the question mark.
    {"Ascii", "Question", &O::asciiDeletes, true},
    {"Ascii", "Num", &O::asciiCount},
    {"Ascii", "Range", &O::asciiRange, false, false, 0, 3},
    {"WhiteList", "QOnly", &O::whiteListOnly},
    {"Spell", "QSpell", &O::spellOn},
    {"Spell", "QSpellLast", &O::spellLastOn},
    {"Spell", "Count", &O::spellCount, false, false, 0, 2},
    {"Spell", "SpellChecked", &O::spellCountDeletes},
    {"Spell", "SpellQuestion", &O::spellCountDeletes, true, true},
    {"Spell", "LastSpellChecked", &O::spellLastDeletes},
    {"Spell", "LastQuestion", &O::spellLastDeletes, true, true},
    {"Spell", "EndsLetter", &O::endsLetterOn},
    {"Spell", "EndsLetterCheck", &O::endsLetterDeletes},
    {"Spell", "EndsLetterQues", &O::endsLetterDeletes, true, true},
    {"Spell", "EndsNumber", &O::endsNumberOn},
    {"Spell", "EndsNumberCheck", &O::endsNumberDeletes},
    {"Spell", "EndsNumberQues", &O::endsNumberDeletes, true, true},
}};

} // namespace

std::span<const SpamOptionKey> spamOptionKeys()
{
    return kKeys;
}

} // namespace tarnwell
