#include "module1.h"

bool Module1::blnEnglish = false;
