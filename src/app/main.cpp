#include "app/AppState.h"
#include "app/MainM.h"
#include "app/frmForma.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Clueforge"));
    AppState state(QCoreApplication::applicationDirPath());
    platform::QtPlatform platform;
    const auto form = startUp(state, platform);
    return QApplication::exec();
}
