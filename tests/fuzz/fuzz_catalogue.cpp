// Arbitrary bytes as the catalogue file: the reader must agree with a plain reading of the format, and the
// event pump must run once for every line before the end.

#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::checkReading(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
