#pragma once

#include "mail/MessageRow.h"

namespace tarnwell {

class RegionalFormats;
struct HeaderEntry;

// Builds the list row of one header-list entry: subject, the two parts of "From",
// the size and the date column.
class MessageRowBuilder
{
public:
    explicit MessageRowBuilder(const RegionalFormats &formats) : m_formats(formats) {}

    MessageRow build(const HeaderEntry &entry) const;

private:
    const RegionalFormats &m_formats;
};

} // namespace tarnwell
