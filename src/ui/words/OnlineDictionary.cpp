// Looking a word up in the online dictionary.
#include "words/OnlineDictionary.h"

#include "words/OnlineLookup.h"
#include "words/OpenDocument.h"

void LookUpOnline(platform::Platform& platform, const QString& programFolder, QByteArrayView word) {
    OpenDocument(platform, programFolder, words::lookupAddress(word));
}
