#pragma once

#include <QByteArray>

// Arbitrary bytes as a plan file: read, they give a plan or the reason it is refused, never a crash or a hang; a
// plan they give keeps every limit and is read back from its own writing unchanged.
namespace Fuzz {
void checkPlan(const QByteArray &bytes);
} // namespace Fuzz
