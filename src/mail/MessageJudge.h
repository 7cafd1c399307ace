#pragma once

namespace tarnwell {

// The classifier as the check run calls it: once for each row as it arrives and
// once more over all rows when the listing is complete.
class MessageJudge
{
public:
    static constexpr int kAllRows = -1;

    virtual ~MessageJudge() = default;
    // Judges row index of the message list, or every row for kAllRows.
    virtual void MarkForDeletion(int index) = 0;
};

} // namespace tarnwell
