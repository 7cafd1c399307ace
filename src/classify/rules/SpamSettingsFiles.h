#pragma once

#include "RuleTables.h"
#include "SpamOptions.h"

namespace tarnwell {

class DataFolder;
class UserPrompter;

// Loads the four rule tables ("subj.lst", "header.lst", "from.lst", "except.lst", in
// this order) and the spam options. A missing file gives the empty table or the
// defaults. A corrupt or unreadable rule file is reported through the prompter and
// stops the loading there: that table and everything after it keep what they held.
// Returns false when it stopped.
bool readSettings(RuleTables &tables, SpamOptions &options, const DataFolder &folder, UserPrompter &prompter);

// Writes the four rule files, then the options. Each file is replaced atomically; one
// that cannot be written keeps its old content and the others are still written.
// Silent; returns false when any file could not be written.
bool Savesettings(const RuleTables &tables, const SpamOptions &options, const DataFolder &folder);

// The spam options file name, "tarnwell.ini".
QString spamOptionsFileName();

// The shape a loaded table is given: rule tables 6 columns with their mark images from
// "Del?"; the white list 7 columns (the older 5- and 6-column files widened) with its
// friend images from column 6; every table at least one rule row.
void normalizeLoadedTable(RuleTable &table);

} // namespace tarnwell
