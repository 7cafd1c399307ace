#include "MainButtonPanel.h"

#include "PictureButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tarnwell {

namespace {
const QString kCheckUp = QStringLiteral("check-up");
const QString kCheckDown = QStringLiteral("check-down");
constexpr int kHelpContextCheck = 3010;
} // namespace

MainButtonPanel::MainButtonPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlButtons"));
    setFixedHeight(kHeight);

    m_title = new QLabel(QStringLiteral("Tarnwell"));
    m_title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = m_title->font();
    big.setPointSize(14);
    big.setBold(true);
    m_title->setFont(big);

    // The thin line under the title, as wide as the window.
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    row->setContentsMargins(0, 0, 0, 0);
    m_list = addButton(QStringLiteral("btList"), QStringLiteral("&Check e-mail"), kCheckDown);
    m_list->setProperty("helpContext", kHelpContextCheck);
    m_options = addButton(QStringLiteral("btOptions"), QStringLiteral("&Settings && Stats"), QStringLiteral("settings"));
    m_exit = addButton(QStringLiteral("btExit"), QStringLiteral("E&xit"), QStringLiteral("door-exit"));
    m_mark = addButton(QStringLiteral("btMark"), QStringLiteral("&Mark msgs"), QStringLiteral("mark"));
    m_delete = addButton(QStringLiteral("btDelete"), QStringLiteral("&Delete marked msgs"), QStringLiteral("delete"));
    m_remark = addButton(QStringLiteral("btRemark"), QStringLiteral("&Auto mark msgs"), QStringLiteral("remark"));
    m_resetAll = addButton(QStringLiteral("btResetAll"), QStringLiteral("&Reset all marks"), QStringLiteral("reset"));
    m_launch = addButton(QStringLiteral("btLaunch"), QStringLiteral("&Launch e-mail program"), QStringLiteral("launch"));
    for (PictureButton *b : {m_list, m_options, m_exit, m_mark, m_delete, m_remark, m_resetAll, m_launch})
        row->addWidget(b);

    m_tagLine = new QLabel;
    m_tagLine->setObjectName(QStringLiteral("lblTagLine"));
    QFont italic = m_tagLine->font();
    italic.setItalic(true);
    italic.setPointSize(italic.pointSize() + 2);
    m_tagLine->setFont(italic);
    row->addWidget(m_tagLine, 1);
    row->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(m_title);
    layout->addWidget(line);
    layout->addLayout(row);

    setListButtonsShown(false);
}

PictureButton *MainButtonPanel::addButton(const QString &name, const QString &caption, const QString &picture)
{
    return new PictureButton(name, caption, picture, QSize(kButtonWidth, kButtonHeight), this);
}

void MainButtonPanel::setTitle(const QString &title)
{
    m_title->setText(title);
}

void MainButtonPanel::setListButtonsShown(bool shown)
{
    for (PictureButton *b : {m_mark, m_resetAll, m_launch, m_delete, m_remark})
        b->setVisible(shown);
    m_tagLine->setVisible(!shown);
}

void MainButtonPanel::disableAll()
{
    m_list->setEnabled(false);
    m_options->setEnabled(false);
    setListButtonsShown(false);
}

void MainButtonPanel::enableAll(bool listHasRows)
{
    m_list->setEnabled(true);
    m_options->setEnabled(true);
    // With an empty list the buttons stay as they were.
    if (listHasRows)
        setListButtonsShown(true);
}

void MainButtonPanel::setExitMode(ExitMode mode)
{
    switch (mode) {
    case ExitMode::Exit:
        m_exit->setText(QStringLiteral("E&xit"));
        m_exit->setPicture(QStringLiteral("door-exit"));
        break;
    case ExitMode::Hide:
        m_exit->setText(QStringLiteral("&Hide"));
        m_exit->setPicture(QStringLiteral("door-exit"));
        break;
    case ExitMode::Cancel:
        m_exit->setText(QStringLiteral("Cancel"));
        m_exit->setPicture(QStringLiteral("stop"));
        break;
    }
}

void MainButtonPanel::setCheckPicture(bool listHasRows)
{
    m_list->setPicture(listHasRows ? kCheckUp : kCheckDown);
}

} // namespace tarnwell
