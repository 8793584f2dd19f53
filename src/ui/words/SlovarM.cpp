// Looking a word up in the online dictionary.
#include "words/SlovarM.h"

#include "words/OnlineLookup.h"
#include "words/OpURL.h"

void LookUpOnline(frmForma& form, QByteArrayView word) {
    OpenDocument(form, words::lookupAddress(word));
}
