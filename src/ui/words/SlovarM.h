#pragma once

#include <QByteArrayView>

class frmForma;

// Opens the online dictionary's search page for a word (Windows-1251) in the default browser.
void LookUpOnline(frmForma& form, QByteArrayView word);
