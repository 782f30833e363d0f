#pragma once

enum class Language { Chinese, English };
