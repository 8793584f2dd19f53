#include "app/AppState.h"
#include "app/MainM.h"
#include "app/QuitAfterPaint.h"
#include "app/frmForma.h"
#include "platform/DeferredIconStyle.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QStyle>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Clueforge"));
    QApplication::setStyle(new platform::DeferredIconStyle(QApplication::style()->name()));
    AppState state(locateProgramPaths(QCoreApplication::applicationDirPath()));
    platform::QtPlatform platform;
    QuitAfterPaint quitAfterPaint;
    const auto form = startUp(state, platform);
    // Whole runs of the program are timed so; it then saves no settings.
    if (QuitAfterPaint::wanted())
        form->installEventFilter(&quitAfterPaint);
    return QApplication::exec();
}
