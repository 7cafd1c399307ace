#include "app/widgets/DesktopSession.h"

#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"
#include "platform/widgets/WidgetPrompter.h"

#include <QApplication>

#include <cstdio>

using namespace tarnwell;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    QStringList arguments = QApplication::arguments();
    const DataFolder folder = DataFolder::locate(DataFolder::takeHomeOption(arguments));

    WidgetPrompter prompter;
    if (!folder.prepare()) {
        prompter.error(QStringLiteral("Cannot create the data folder %1").arg(folder.path()));
        return 1;
    }
    const auto settings = folder.openSettings();

    DesktopSession session(folder, *settings, prompter, {});
    if (!session.start())
        return 0;
    return app.exec();
}
