#pragma once

#include <QIcon>
#include <QList>

namespace tarnwell {

// The fifteen state images B0..B14 in mark order; an empty picture for no mark.
class StateImages
{
public:
    StateImages() = default;
    // Loads B0..B14 from the program's pictures.
    void load();
    bool isLoaded() const { return m_images.size() == 15; }
    QIcon forMark(int mark) const;

private:
    QList<QIcon> m_images;
};

} // namespace tarnwell
