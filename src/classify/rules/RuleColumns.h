#pragma once

namespace tarnwell {

// What each column of the rule tables holds. The header rules share the subject
// rules' columns.
namespace SubjectColumn {
inline constexpr int Image = 0; // the mark image, no text
inline constexpr int What = 1;  // the condition
inline constexpr int Matches = 2;
inline constexpr int Case = 3;  // "Yes": case matters
inline constexpr int Delete = 4; // "Yes": delete mark, else question mark
inline constexpr int Hits = 5;
} // namespace SubjectColumn

namespace HeaderColumn = SubjectColumn;

namespace SenderColumn {
inline constexpr int Image = 0;
inline constexpr int What = 1; // "E-mail address", "Domain name" or "Real name"
inline constexpr int Condition = 2;
inline constexpr int Matches = 3;
inline constexpr int Delete = 4;
inline constexpr int Hits = 5;
} // namespace SenderColumn

namespace WhiteListColumn {
inline constexpr int What = 0; // "E-mail address", "Domain name", "Real name", "Subject", "Any Header" or "Field:"
inline constexpr int Condition = 1;
inline constexpr int Matches = 2;
inline constexpr int Case = 3;
inline constexpr int Hits = 4;
inline constexpr int Image = 5;       // the friend image, display only
inline constexpr int ImageNumber = 6; // hidden: the friend image as "3" to "14", empty meaning 3
} // namespace WhiteListColumn

} // namespace tarnwell
