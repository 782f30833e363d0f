#pragma once

enum class Vendor { Intel, Amd, Both };
