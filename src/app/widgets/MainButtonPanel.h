#pragma once

#include <QWidget>

class QLabel;

namespace tarnwell {

class PictureButton;

// The top of the main window: the title label, the tag line and the button row.
class MainButtonPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kHeight = 113;
    static constexpr int kButtonWidth = 51;
    static constexpr int kButtonHeight = 75;

    enum class ExitMode { Exit, Hide, Cancel };

    explicit MainButtonPanel(QWidget *parent = nullptr);

    PictureButton *btList() const { return m_list; }
    PictureButton *btOptions() const { return m_options; }
    PictureButton *btExit() const { return m_exit; }
    PictureButton *btMark() const { return m_mark; }
    PictureButton *btDelete() const { return m_delete; }
    PictureButton *btRemark() const { return m_remark; }
    PictureButton *btResetAll() const { return m_resetAll; }
    PictureButton *btLaunch() const { return m_launch; }
    QLabel *titleLabel() const { return m_title; }
    QLabel *tagLine() const { return m_tagLine; }

    void setTitle(const QString &title);
    // disableAllButtons / enableAllButtons of the window.
    void disableAll();
    void enableAll(bool listHasRows);
    void setExitMode(ExitMode mode);
    void setCheckPicture(bool listHasRows);

private:
    PictureButton *addButton(const QString &name, const QString &caption, const QString &picture);
    void setListButtonsShown(bool shown);

    QLabel *m_title = nullptr;
    QLabel *m_tagLine = nullptr;
    PictureButton *m_list = nullptr;
    PictureButton *m_options = nullptr;
    PictureButton *m_exit = nullptr;
    PictureButton *m_mark = nullptr;
    PictureButton *m_delete = nullptr;
    PictureButton *m_remark = nullptr;
    PictureButton *m_resetAll = nullptr;
    PictureButton *m_launch = nullptr;
};

} // namespace tarnwell
