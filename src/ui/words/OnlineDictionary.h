#pragma once

#include "platform/Platform.h"

#include <QByteArrayView>

// Opens the online dictionary's search page for a word (Windows-1251) in the default browser.
void LookUpOnline(platform::Platform& platform, const QString& programFolder, QByteArrayView word);
