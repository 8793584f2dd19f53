#pragma once

#include <QString>

class frmForma;

// Hands a file, folder or web address to the desktop's default program, with the program
// folder as the working folder. What the desktop then does is not examined.
void OpenDocument(frmForma& form, const QString& target);
