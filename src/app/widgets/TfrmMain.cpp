#include "TfrmMain.h"

#include "MainButtonPanel.h"
#include "MessageListView.h"
#include "PictureButton.h"
#include "SettingsDropDown.h"
#include "TfrmSplash.h"

#include "accounts/widgets/GeneralSettingsDialog.h"
#include "app/ApplicationContext.h"
#include "app/AutomaticCaption.h"
#include "app/WindowLayout.h"
#include "platform/DataFolder.h"
#include "platform/UserPrompter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

namespace tarnwell {

namespace {
const QString kStatusHint = QStringLiteral("Right click for more options, double click to mark");
const QString kTagLine = QStringLiteral("Tarnwell - eliminate junk e-mail!");
const QString kHelpFile = QStringLiteral("Tarnwell.hlp");
const QString kHelpError = QStringLiteral("Unable to open help file - tarnwell.hlp.");
} // namespace

TfrmMain::TfrmMain(ApplicationContext &context, UserPrompter &prompter, TfrmSplash *splash, QWidget *parent)
    : QMainWindow(parent),
      m_context(context),
      m_prompter(prompter),
      m_splash(splash),
      m_marks(context.list(), context.classifier(), prompter, *this)
{
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(QStringLiteral("Tarnwell"));
    setWindowIcon(QIcon(QStringLiteral(":/images/app")));
    resize(640, 435);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_buttons = new MainButtonPanel;
    m_listView = new MessageListView;
    m_listView->setMessageModel(&m_context.list());
    layout->addWidget(m_buttons);
    layout->addWidget(m_listView, 1);
    setCentralWidget(central);

    m_status1 = new QLabel(kStatusHint);
    m_status1->setFixedWidth(kStatusPanel1Width);
    m_status2 = new QLabel(QStringLiteral("Ready"));
    statusBar()->addWidget(m_status1);
    statusBar()->addWidget(m_status2, 1);
    statusBar()->setSizeGripEnabled(true);

    m_dropDown = new SettingsDropDown(this);

    connect(m_buttons->btList(), &QToolButton::clicked, this, &TfrmMain::btListClick);
    connect(m_buttons->btOptions(), &QToolButton::clicked, this, &TfrmMain::btOptionsClick);
    connect(m_buttons->btExit(), &QToolButton::clicked, this, &TfrmMain::btExitClick);
    connect(m_buttons->btMark(), &QToolButton::clicked, this, &TfrmMain::btMarkClick);
    connect(m_buttons->btResetAll(), &QToolButton::clicked, this, &TfrmMain::ResetButtonClick);
    connect(m_buttons->btRemark(), &QToolButton::clicked, this, &TfrmMain::btRemarkClick);
    connect(m_listView, &MessageListView::doubleClickedList, this, &TfrmMain::btMarkClick);
    connect(m_dropDown, &SettingsDropDown::generalClicked, this, &TfrmMain::btGeneralClick);
    connect(m_dropDown, &SettingsDropDown::helpClicked, this, &TfrmMain::btHelpClick);

    setMinimumSize(kMinimumWidth, kMinimumHeight);

    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::attachGeneralSettings(GeneralSettingsDialog *dialog)
{
    m_general = dialog;
}

void TfrmMain::FormCreate()
{
    m_context.FormCreate();

    if (m_splash) {
        m_splash->hidePicture();
        connect(&m_context.splashTick(), &QTimer::timeout, this, &TfrmMain::takeDownSplash);
        m_context.splashTick().start();
    }

    UpdateAutomaticCaptions(m_context.automaticAtStart(), m_context.state().minutesToNextCheck);

    // The stored shape is put in place before the window first appears, so that
    // it is centred with its restored size.
    const WindowLayout stored = WindowLayout::read(m_context.settings());
    for (int c = 0; c < WindowLayout::kColumns; ++c)
        m_listView->header()->resizeSection(c, stored.columnWidths[c]);
    move(stored.left, stored.top);
    resize(stored.width, stored.height);

    restoreExitButton();
    if (!isTrayMode()) {
        show();
        raise();
        activateWindow();
    }

    if (m_context.automaticAtStart())
        m_context.checkTick().start();
}

void TfrmMain::takeDownSplash()
{
    m_context.splashTick().stop();
    if (m_splash) {
        m_splash->hide();
        m_splash->deleteLater();
    }
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownBefore) {
        m_shownBefore = true;
        FormShow();
    }
}

void TfrmMain::FormShow()
{
    m_listView->stateImages().load();
    m_dropDown->fitToButtons();
    m_buttons->tagLine()->setText(kTagLine);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    FormCloseQuery();
    event->accept();
}

void TfrmMain::FormCloseQuery()
{
    // Closing ends a running check too; nobody is left to read why it stopped.
    m_context.checkRun().endQuietly();
    if (m_context.client().IsConnected())
        m_context.client().Disconnect();
    WindowLayout layout;
    for (int c = 0; c < WindowLayout::kColumns; ++c)
        layout.columnWidths[c] = m_listView->header()->sectionSize(c);
    layout.top = y();
    layout.left = x();
    layout.width = width();
    layout.height = height();
    layout.write(m_context.settings());
}

void TfrmMain::keyReleaseEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers held = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (event->isAutoRepeat() || held != Qt::NoModifier || QGuiApplication::mouseButtons() != Qt::NoButton) {
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_C:
        btListClick();
        break;
    case Qt::Key_X:
        btExitClick();
        break;
    case Qt::Key_M:
        btMarkClick();
        break;
    case Qt::Key_R:
        ResetButtonClick();
        break;
    case Qt::Key_A:
        btRemarkClick();
        break;
    default:
        // D and L arrive with deletion and launching.
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    event->accept();
}

bool TfrmMain::isTrayMode() const
{
    // Without a tray icon to come back from, hiding would lose the window.
    return m_context.state().sysTrayMode && m_tray;
}

void TfrmMain::btListClick()
{
    m_context.checkRun().btListClick();
}

void TfrmMain::btOptionsClick()
{
    m_dropDown->popUpBelow(m_buttons->btOptions());
}

void TfrmMain::btExitClick()
{
    if (m_exitIsCancel) {
        m_context.checkRun().cancelOperation();
        return;
    }
    if (isTrayMode())
        hide();
    else
        close();
}

void TfrmMain::exitFromTrayMenu()
{
    if (m_exitIsCancel) {
        m_context.checkRun().cancelOperation();
        return;
    }
    if (m_context.client().IsConnected())
        m_context.client().Disconnect();
    QCoreApplication::quit();
}

void TfrmMain::btGeneralClick()
{
    if (!m_general)
        return;
    m_context.checkTick().stop();
    m_general->exec();
    afterGeneralSettings();
}

void TfrmMain::afterGeneralSettings()
{
    const StoredGeneralOptions &options = m_context.options();
    UpdateAutomaticCaptions(options.automaticChecking(), options.minutes());
    const int preferred = m_context.mailboxes().selectedSlot();
    if (preferred != 0)
        m_context.state().currentMailbox = preferred;
    m_context.state().minutesToNextCheck = options.minutes();
    m_context.setDialUpEntry(options.dialUpEntry());
}

void TfrmMain::btHelpClick()
{
    m_context.checkTick().stop();
    const QString path = m_context.folder().file(kHelpFile);
    if (!QFile::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        m_prompter.error(kHelpError);
    if (m_context.options().automaticChecking())
        m_context.checkTick().start();
}

void TfrmMain::btMarkClick()
{
    m_marks.btMarkClick(m_listView->selectedRows());
}

void TfrmMain::ResetButtonClick()
{
    m_marks.ResetButtonClick();
}

void TfrmMain::btRemarkClick()
{
    m_marks.btRemarkClick();
}

void TfrmMain::UpdateAutomaticCaptions(bool automatic, int minutes)
{
    const QString caption = automaticCaption(automatic, minutes);
    setWindowTitle(caption);
    m_buttons->setTitle(caption);
    if (automatic)
        m_context.checkTick().start();
    else
        m_context.checkTick().stop();
}

void TfrmMain::bringForward()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

bool TfrmMain::isShown() const
{
    return isVisible();
}

void TfrmMain::showStatus(const QString &text)
{
    m_status2->setText(text);
}

void TfrmMain::stopAlarm()
{
    // The alarm of the automatic check is not there yet: nothing plays.
}

void TfrmMain::disableAllButtons()
{
    m_buttons->disableAll();
}

void TfrmMain::enableAllButtons()
{
    m_buttons->enableAll(m_context.list().count() > 0);
}

void TfrmMain::showExitAsCancel(bool cancel)
{
    m_exitIsCancel = cancel;
    if (cancel)
        m_buttons->setExitMode(MainButtonPanel::ExitMode::Cancel);
    else
        restoreExitButton();
}

void TfrmMain::restoreExitButton()
{
    m_buttons->setExitMode(isTrayMode() ? MainButtonPanel::ExitMode::Hide : MainButtonPanel::ExitMode::Exit);
}

void TfrmMain::updateCheckPicture()
{
    m_buttons->setCheckPicture(m_context.list().count() > 0);
}

void TfrmMain::scrollListDown()
{
    m_listView->scrollDownStep();
}

void TfrmMain::openGeneralSettings()
{
    btGeneralClick();
}

void TfrmMain::leaveAfterEmptyCheck()
{
    if (isTrayMode())
        hide();
    else
        close();
}

} // namespace tarnwell
