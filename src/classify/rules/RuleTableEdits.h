#pragma once

#include "Mark.h"
#include "RuleTables.h"

#include <QByteArray>
#include <QList>

namespace tarnwell {

// Writes the headings of row 0 of all four tables.
void SetGridHeadings(RuleTables &tables);

// Sets the mark image of a subject, header or sender rule row: the delete mark when
// deletes is true, the question mark otherwise. Row 0, rows past the end and the white
// list are left alone.
void CheckGridAdv(RuleTable &table, int row, bool deletes);

// Adds one to a rule row's hit count (a count that is no number counts as 0). Does
// nothing in explanation mode, where judging must leave the counts alone.
void BumpUpGrid(RuleTable &table, int row, bool explanationMode);

// Removes every rule row whose shown cells all equal those of the row above it
// (exact bytes, hit counts included, the hidden white-list column left out), from
// the last row up to row 2. Only neighbours are compared.
void DeleteDupsFromGrid(RuleTable &table);

// The friend image a white-list row chooses: column 6 as a number from 3 to 14;
// empty or anything else gives 3.
Mark friendImage(const RuleTable &whiteList, int row);

// Sets a row's image from its cells: "Del?" for the rule tables, column 6 for the white list.
void refreshImage(RuleTable &table, int row);

// Appending: a table that holds only its placeholder row has that row filled;
// otherwise a new row goes at the end. Returns the row to fill.
int appendRuleRow(RuleTable &table);
// Inserting: a new empty row 1, all rule rows moving down by one. Returns 1.
int insertRuleRow(RuleTable &table);

// Either of the above, then the cells from column 0 on and the row's image from them.
int appendRule(RuleTable &table, const QList<QByteArray> &cells);
int insertRule(RuleTable &table, const QList<QByteArray> &cells);

} // namespace tarnwell
