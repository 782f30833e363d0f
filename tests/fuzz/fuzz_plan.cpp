// Arbitrary bytes as a plan file: a plan within its limits that reads back as written, or a refusal that names
// the file.

#include "fuzzplan.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::checkPlan(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
