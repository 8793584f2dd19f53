// The numeric reading of text and every field kind of the sequential reader.
#include "FuzzSupport.h"

#include "text/CodePage.h"
#include "text/SequentialText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double v = seqtext::numericValue(text);
    if (const auto i = seqtext::toInt32(v))
        (void)seqtext::strNumber(*i);
    (void)cp1251::toUpper(text.toByteArray());

    FuzzInput in(data, size);
    seqtext::SequentialReader reader(in, 4096);
    for (int step = 0; !reader.atEnd(); ++step) {
        switch (step % 3) {
        case 0:
            (void)reader.readLine();
            break;
        case 1:
            (void)reader.readTextField();
            break;
        default:
            (void)reader.readInt32Field();
        }
    }
    return 0;
}
