#pragma once

namespace tarnwell {

// A row's mark: an index into the fifteen state images, or none.
namespace Mark {
constexpr int None = -1;
constexpr int Delete = 0;
constexpr int Question = 1;
constexpr int Blacklist = 2;
constexpr int FirstFriend = 3;
constexpr int LastFriend = 14;
constexpr int ImageCount = 15;

constexpr bool isValid(int mark)
{
    return mark >= None && mark <= LastFriend;
}

// Only these rows are counted as marked and deleted.
constexpr bool countsAsMarked(int mark)
{
    return mark == Delete || mark == Blacklist;
}
} // namespace Mark

} // namespace tarnwell
