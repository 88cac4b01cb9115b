#include "shell/shell_resources.h"

#include "shell/program_pictures.h"

#include <QFile>
#include <QString>

// The resource file is compiled into a static library; registering it by
// hand keeps the linker from dropping it.
static void registerShellResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(shell);
        return true;
    }();
    (void)registered;
}

QPixmap toolbarPixmap(int commandId)
{
    registerShellResources();
    const QString path = QStringLiteral(":/shell/toolbar/%1.xpm").arg(commandId);
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(drawProgramIcon(size));
    return icon;
}
