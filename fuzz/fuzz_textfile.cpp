// The text reader of one value a line, as every list, table, card and set-up file is read: the
// first byte picks how each value is taken.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const QByteArray bytes = fuzzsupport::bytesOf(data + 1, size - 1);
    const uint8_t how = data[0];
    fuzzsupport::refusalsAllowed([&] {
        platform::TextReader r(bytes, QStringLiteral("fuzz.txt"));
        for (int i = 0; !r.atEnd() && i < 100000; ++i) {
            switch ((how >> (i % 4 * 2)) & 3) {
            case 0:
                r.readText();
                break;
            case 1:
                r.readWhole();
                break;
            case 2:
                r.readReal();
                break;
            default:
                r.readLine();
                break;
            }
        }
    });
    return 0;
}
