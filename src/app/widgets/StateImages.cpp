#include "StateImages.h"

#include "classify/rules/Mark.h"

namespace tarnwell {

void StateImages::load()
{
    m_images.clear();
    for (Mark mark = kDeleteMark; mark <= kLastFriendImage; ++mark)
        m_images.append(QIcon(QStringLiteral(":/images/B%1").arg(mark)));
}

QIcon StateImages::forMark(int mark) const
{
    if (mark < 0 || mark >= m_images.size())
        return {};
    return m_images.at(mark);
}

} // namespace tarnwell
