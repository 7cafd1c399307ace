#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tarnwell::test {

// Answers modal dialogs as they open: every few milliseconds it looks at the active
// modal widget and hands each one of type T to `answer` (once per dialog), until
// it is destroyed. A modal dialog blocks the test in exec(); this is what closes it.
template <class T>
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(std::function<void(T &)> answer) : m_answer(std::move(answer))
    {
        m_poll.setInterval(10);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!dialog || dialog == m_last)
                return;
            m_last = dialog;
            ++m_count;
            m_answer(*dialog);
        });
        m_poll.start();
    }

    // How many dialogs were answered.
    int count() const { return m_count; }

private:
    std::function<void(T &)> m_answer;
    QTimer m_poll;
    QWidget *m_last = nullptr;
    int m_count = 0;
};

} // namespace tarnwell::test
