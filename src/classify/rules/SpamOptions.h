#pragma once

#include <QString>

namespace tarnwell {

// The working copy of the spam options. Each check-mark/question-mark pair is one
// choice, held as "...Deletes" (true: the check mark, i.e. the delete mark).
struct SpamOptions
{
    // "Smaller"
    bool smallerOn = false;
    int smallerLimit = 100; // bytes, 0 to 100000
    bool smallerDeletes = true;
    // "Larger"
    bool largerOn = false;
    int largerLimit = 20000; // bytes, 0 to 99999999
    bool largerDeletes = true;
    // "Known"
    bool knownSpammers = true; // compare senders with the blacklist
    bool validDomains = false; // MX lookup of sender domains
    bool unknownDeletes = false;
    QString unknownCount = QStringLiteral("0"); // kept as the text of its label
    // "Ascii"
    bool asciiOn = true;
    bool asciiDeletes = false;
    QString asciiCount = QStringLiteral("0");
    int asciiRange = 0; // 0 one character, 1 a third, 2 a half, 3 two thirds
    // "WhiteList"
    bool whiteListOnly = false;
    // "Spell"
    bool spellOn = true;
    bool spellLastOn = true;
    int spellCount = 0; // 0: one word misspelled, 1: two words, 2: three words
    bool spellCountDeletes = true;
    bool spellLastDeletes = true;
    bool endsLetterOn = true;
    bool endsLetterDeletes = true;
    bool endsNumberOn = true;
    bool endsNumberDeletes = true;

    // One more unknown domain or non-English message; a count that is no number counts as 0.
    void bumpUnknown();
    void bumpNonAscii();

    friend bool operator==(const SpamOptions &, const SpamOptions &) = default;
};

} // namespace tarnwell
