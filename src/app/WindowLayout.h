#pragma once

#include <array>

namespace tarnwell {

class SettingsStore;

// The main window's stored shape: the widths of the five list columns
// ("Column"/col1..col5) and its position and size (directly under the key).
struct WindowLayout
{
    static constexpr int kColumns = 5;

    std::array<int, kColumns> columnWidths{220, 140, 120, 40, 130};
    int top = 10;
    int left = 10;
    int width = 640;
    int height = 440;

    // Missing or unparsable values keep the defaults above.
    static WindowLayout read(const SettingsStore &store);
    void write(SettingsStore &store) const;
};

} // namespace tarnwell
