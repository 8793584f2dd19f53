#include "support/ui/RunningProgram.h"

#include "app/Startup.h"

#include <QFile>

MainWindow& RunningProgram::start() {
    form = startUp(state, fake);
    return *form;
}

void RunningProgram::installLanguage(const char* file) const {
    QFile shipped(QStringLiteral(CLUEFORGE_RESOURCES "/Language/") + QLatin1String(file));
    if (shipped.open(QIODevice::ReadOnly))
        folder.write(QStringLiteral("Language/") + QLatin1String(file), shipped.readAll());
}
