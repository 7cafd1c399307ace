#pragma once

namespace tarnwell {

// A message row's mark: an index into the fifteen mark images, or none.
using Mark = int;

inline constexpr Mark kNoMark = -1;
inline constexpr Mark kDeleteMark = 0;
inline constexpr Mark kQuestionMark = 1;
inline constexpr Mark kBlacklistMark = 2;
// Friend images chosen by white-list rows: hand, eye, lips, ambulance, heart, runner,
// smiley, wizard, green arrow, one dot, two dots, three dots.
inline constexpr Mark kFirstFriendImage = 3;
inline constexpr Mark kLastFriendImage = 14;

constexpr bool isMarkedForDeletion(Mark mark)
{
    return mark == kDeleteMark || mark == kBlacklistMark;
}

constexpr bool isFriendImage(Mark mark)
{
    return mark >= kFirstFriendImage && mark <= kLastFriendImage;
}

} // namespace tarnwell
