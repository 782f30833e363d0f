// Arbitrary bytes as a catalogue and the details file beside it: every record's facts as a plain reading of both
// gives them, in step or by model text.

#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::checkDetails(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
