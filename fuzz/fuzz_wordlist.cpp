// A word-list file of any length class, searched with a pattern taken from the input.
#include "FuzzSupport.h"

#include "words/WordList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int length = 2 + data[0] % 23;
    FuzzInput in(data + 1, size - 1);
    const words::WordList list = words::readWordList(in, length);
    if (list.length > 0 && list.letters.size() % list.length != 0)
        fuzzFailure("a partial word was kept");
    QByteArray pattern(length, '?');
    for (int i = 0; i < length && i + 1 < static_cast<int>(size); i += 3)
        pattern[i] = static_cast<char>(data[i + 1]);
    const words::WordMatches found = words::matchingWords(list, pattern);
    if (found.count() > list.count())
        fuzzFailure("more words found than the list holds");
    // The last row is found through every counted block before it.
    if (found.count() > 0 && found.word(found.count() - 1).size() != length)
        fuzzFailure("a found word of the wrong length");
    return 0;
}
