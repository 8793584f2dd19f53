#pragma once

#include "platform/Platform.h"

#include <QString>

// Hands a file, folder or web address to the desktop's default program, with the program
// folder as the working folder. What the desktop then does is not examined.
void OpenDocument(platform::Platform& platform, const QString& programFolder,
                  const QString& target);
