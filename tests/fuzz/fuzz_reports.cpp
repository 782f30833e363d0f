// Arbitrary count and model texts through the report's HTML, CSV and plain text, each read back by another
// program's parser.

#include "fuzzreports.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::checkReports(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
