#pragma once

#include "bilingual.h"

// What every window and the command line say of the catalogue, Chinese and English side by side.
namespace CatalogueTexts {
inline constexpr Bilingual readFailed{"无法完整读取CPU数据文件（data.dll），计算未完成。请检查该文件后重试。",
                                      "The CPU catalogue (data.dll) could not be read to its end, so the "
                                      "calculation was not completed. Check the file and try again."};
} // namespace CatalogueTexts
